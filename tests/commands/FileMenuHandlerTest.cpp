#include "RecordingAcceleratorManager.h"
#include "TestHost.h"

#include "platform/Automation.h"
#include "platform/Menu.h"
#include "project/FileMenuHandler.h"

#include <filesystem>
#include <fstream>

namespace {

using Calls = std::vector<std::string>;

class FileMenuHandlerTest : public CommandsTest {
  protected:
    void SetUp() override {
        CommandsTest::SetUp();
        m_pHandler = new FileMenuHandler;
    }
    void Initialize() {
        m_pHandler->Initialize();
        CallLog().clear();
    }
    void AnswerFile(const char* path) { Automation::Instance().QueueFileAnswer(std::string(path)); }
    void CancelFile() { Automation::Instance().QueueFileAnswer(std::nullopt); }

    Pointer<FileMenuHandler> m_pHandler;
};

TEST_F(FileMenuHandlerTest, AddsSevenItemsJustBeforeExit) {
    Initialize();
    std::vector<MenuItemView> items = ReadMenu(FindPopup(MenuBar(), "&File"));
    ASSERT_EQ(items.size(), 8u);
    const char* texts[] = {"&New\tCtrl+N", "&Open\tCtrl+O", "&Save\tCtrl+S",
                           "Save &As\tCtrl+Shift+S"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(items[i].text, texts[i]);
        EXPECT_EQ(items[i].id, 101u + i);
    }
    EXPECT_TRUE(items[4].separator);
    EXPECT_EQ(items[5].text, "Generate EXE");
    EXPECT_EQ(items[5].id, 105u);
    EXPECT_TRUE(items[6].separator);
    EXPECT_EQ(items[7].text, "E&xit\tAlt+F4");

    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(101), "Create a new Corvane project\nNew (Ctrl+N)");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(102),
              "Open a Corvane project from disk\nOpen (Ctrl+O)");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(103),
              "Save this Corvane project to disk\nSave (Ctrl+S)");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(104),
              "Save this Corvane project under a different filename\nSave As (Ctrl+Shift+S)");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(105),
              "Generates an executable file for this project\nGenerate EXE");
}

TEST_F(FileMenuHandlerTest, BindsFourShortcutsInOneTable) {
    Pointer<RecordingAcceleratorManager> recorder(new RecordingAcceleratorManager);
    Publish(recorder);
    Initialize();
    ASSERT_EQ(recorder->m_tables.size(), 1u);
    EXPECT_EQ(recorder->m_tables[0],
              (std::vector<ACCEL>{
                  {0x0B, 0x4E, 101}, {0x0B, 0x4F, 102}, {0x0B, 0x53, 103}, {0x0F, 0x53, 104}}));
}

TEST_F(FileMenuHandlerTest, ItemsStayEnabledAndUnchecked) {
    Initialize();
    HMENU file = FindPopup(MenuBar(), "&File");
    m_pTimer->m_bRunning = true;
    OpenPopup(file);
    for (const MenuItemView& item : ReadMenu(file)) {
        EXPECT_TRUE(item.enabled) << item.text;
        EXPECT_FALSE(item.checked) << item.text;
    }
}

TEST_F(FileMenuHandlerTest, NewStopsPlaybackEmptiesTheProjectAndRewinds) {
    Initialize();
    m_pTimer->m_bRunning = true;
    m_pProject->m_strFileName = "/projects/old.qmx";
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kNew);
    EXPECT_EQ(CallLog(), (Calls{"Stop", "New", "SetCurrentFrame(1)"}));
    EXPECT_FALSE(m_pTimer->IsRunning());

    // A stopped player is not stopped again.
    CallLog().clear();
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kNew);
    EXPECT_EQ(CallLog(), (Calls{"New", "SetCurrentFrame(1)"}));
}

TEST_F(FileMenuHandlerTest, OpenLoadsTheChosenFileAndRewinds) {
    Initialize();
    m_pTimer->m_bRunning = true;
    AnswerFile("/projects/tour.qmx");
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kOpen);
    EXPECT_EQ(CallLog(), (Calls{"Stop", "Load(/projects/tour.qmx)", "SetCurrentFrame(1)"}));
    EXPECT_FALSE(m_pTimer->IsRunning());
}

TEST_F(FileMenuHandlerTest, CancellingADialogChangesNothingButStopsPlayback) {
    Initialize();
    m_pProject->m_strFileName = "/projects/tour.qmx";
    for (int cookie : {FileMenuHandler::kOpen, FileMenuHandler::kSaveAs}) {
        m_pTimer->m_bRunning = true;
        CallLog().clear();
        CancelFile();
        m_pHandler->ExecuteMenuItem(cookie);
        EXPECT_EQ(CallLog(), (Calls{"Stop"}));
        EXPECT_FALSE(m_pTimer->IsRunning());
    }
    EXPECT_EQ(m_pProject->m_strFileName, "/projects/tour.qmx");
}

TEST_F(FileMenuHandlerTest, SaveWritesToTheProjectsOwnFileWithoutAsking) {
    Initialize();
    m_pProject->m_strFileName = "/projects/tour.qmx";
    // Session mode cancels any dialog without an answer: a dialog would save nothing.
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kSave);
    EXPECT_EQ(CallLog(), (Calls{"Save(/projects/tour.qmx)"}));
}

TEST_F(FileMenuHandlerTest, SaveOfANeverSavedProjectIsSaveAs) {
    Initialize();
    CancelFile();
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kSave);
    EXPECT_EQ(CallLog(), Calls{});
    EXPECT_TRUE(m_pProject->m_strFileName.IsEmpty());

    AnswerFile("/projects/new.qmx");
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kSave);
    EXPECT_EQ(CallLog(), (Calls{"Save(/projects/new.qmx)"}));
    EXPECT_EQ(m_pProject->m_strFileName, "/projects/new.qmx");
}

TEST_F(FileMenuHandlerTest, SaveAsAlwaysAsksAndKeepsThePlayHead) {
    Initialize();
    m_pProject->m_strFileName = "/projects/tour.qmx";
    m_pPlayer->m_nFrame = 12;
    AnswerFile("/projects/copy.qmx");
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kSaveAs);
    EXPECT_EQ(CallLog(), (Calls{"Save(/projects/copy.qmx)"}));
    EXPECT_EQ(m_pPlayer->m_nFrame, 12);
}

TEST_F(FileMenuHandlerTest, TheDialogsAddTheExtensionAskBeforeReplacingAndShowTheWaitCursor) {
    std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / "FileMenuHandlerTest";
    std::filesystem::create_directories(folder);
    std::string existing = (folder / "existing.qmx").string();
    std::ofstream(existing) << "{}";
    Initialize();

    AnswerFile((folder / "drawing").c_str());
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kSaveAs);
    AnswerFile((folder / "tour").c_str());
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kOpen);
    EXPECT_EQ(CallLog(),
              (Calls{"Save(" + (folder / "drawing.qmx").string() + ")",
                     "Load(" + (folder / "tour.qmx").string() + ")", "SetCurrentFrame(1)"}));
    EXPECT_TRUE(Automation::Instance().GetMessages().empty());

    // Replacing a file needs the author's yes; opening one asks nothing.
    CallLog().clear();
    AnswerFile(existing.c_str());
    Automation::Instance().QueueMessageAnswer(IDNO);
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kSaveAs);
    EXPECT_EQ(CallLog(), Calls{});
    ASSERT_EQ(Automation::Instance().GetMessages().size(), 1u);
    EXPECT_NE(Automation::Instance().GetMessages()[0].text.find("already exists"),
              std::string::npos);
    AnswerFile(existing.c_str());
    Automation::Instance().QueueMessageAnswer(IDYES);
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kSaveAs);
    AnswerFile(existing.c_str());
    m_pHandler->ExecuteMenuItem(FileMenuHandler::kOpen);
    EXPECT_EQ(CallLog(),
              (Calls{"Save(" + existing + ")", "Load(" + existing + ")", "SetCurrentFrame(1)"}));
    EXPECT_EQ(Automation::Instance().GetMessages().size(), 2u);

    EXPECT_TRUE(m_pProject->m_bWaitCursorShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    std::filesystem::remove_all(folder);
}

TEST_F(FileMenuHandlerTest, GenerateEXEAndUnknownCookiesDoNothingYet) {
    Initialize();
    m_pTimer->m_bRunning = true;
    for (int cookie : {int(FileMenuHandler::kGenerateEXE), 0, 6, -1})
        m_pHandler->ExecuteMenuItem(cookie);
    EXPECT_EQ(CallLog(), Calls{});
}

TEST_F(FileMenuHandlerTest, TheShortcutsRunTheirCommands) {
    Initialize();
    AnswerFile("/projects/first.qmx");
    PressKey(Qt::Key_S, Qt::ControlModifier); // never saved: asks
    PressKey(Qt::Key_S, Qt::ControlModifier); // saved: does not ask
    AnswerFile("/projects/second.qmx");
    PressKey(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    PressKey(Qt::Key_N, Qt::ControlModifier);
    AnswerFile("/projects/first.qmx");
    PressKey(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(CallLog(), (Calls{"Save(/projects/first.qmx)", "Save(/projects/first.qmx)",
                                "Save(/projects/second.qmx)", "New", "SetCurrentFrame(1)",
                                "Load(/projects/first.qmx)", "SetCurrentFrame(1)"}));
}

TEST(FileMenuHandlerClassTest, AnswersItsInterfacesInOrderAndNeedsTheManagersAndTheProject) {
    Pointer<FileMenuHandler> handler(new FileMenuHandler);
    FileMenuHandler* object = handler.Get();
    EXPECT_EQ(object->FindInterface("MenuHandler"), static_cast<MenuHandler*>(object));
    EXPECT_EQ(object->FindInterface("StaticInstancePlugin"),
              static_cast<StaticInstancePlugin*>(object));
    EXPECT_EQ(object->FindInterface("BasePlugin"), static_cast<BasePlugin*>(object));
    EXPECT_EQ(object->FindInterface("FileMenuHandler"), object);
    EXPECT_EQ(object->FindInterface("SharedObject"), nullptr);
    EXPECT_EQ(object->FindInterface("BaseObject"), nullptr);
    StringList required = object->GetRequiredInterfaces();
    ASSERT_EQ(required.GetCount(), 3);
    EXPECT_EQ(required[0], "MenuManager");
    EXPECT_EQ(required[1], "AcceleratorManager");
    EXPECT_EQ(required[2], "Project");
}

} // namespace
