#include "RecordingAcceleratorManager.h"
#include "TestHost.h"

#include "platform/Automation.h"
#include "project/AuthoringScriptExceptionHandler.h"
#include "project/FileMenuHandler.h"
#include "project/InsertMenuHandler.h"

namespace {

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
    // Runs the command with any file dialog answered by the path, or cancelled
    // without one, and gives the calls it made.
    Texts Execute(int cookie, std::optional<std::string> answer) {
        Automation::Instance().QueueFileAnswer(answer);
        CallLog().clear();
        m_pHandler->ExecuteMenuItem(cookie);
        return CallLog();
    }

    Pointer<FileMenuHandler> m_pHandler;
};

template <class Class> BaseObject* Make() {
    return new Class;
}

TEST(ProjectClassTest, EachClassAnswersItsInterfacesAndNeedsItsProvidersFirst) {
    const Texts handler = {"MenuHandler", "StaticInstancePlugin", "BasePlugin"};
    const ClassContract contracts[] = {
        {Make<FileMenuHandler>, "FileMenuHandler", handler, Texts{"SharedObject"},
         Texts{"MenuManager", "AcceleratorManager", "Project"}, ""},
        {Make<InsertMenuHandler>, "InsertMenuHandler", handler, Texts{"SharedObject"},
         Texts{"MenuManager"}, ""},
        {Make<AuthoringScriptExceptionHandler>, "AuthoringScriptExceptionHandler",
         Texts{"ScriptExceptionHandler", "SharedObject", "StaticInstancePlugin", "BasePlugin"},
         Texts{"MenuHandler"}, Texts{}, "StdScriptExceptionHandler"},
    };
    for (const ClassContract& contract : contracts)
        ExpectContract(contract);
}

TEST_F(FileMenuHandlerTest, BindsFourKeysInOneTable) {
    Pointer<RecordingAcceleratorManager> recorder(new RecordingAcceleratorManager);
    Publish(recorder);
    Initialize();
    ASSERT_EQ(recorder->m_tables.size(), 1u);
    EXPECT_EQ(recorder->m_tables[0],
              (std::vector<ACCEL>{
                  {0x0B, 0x4E, 101}, {0x0B, 0x4F, 102}, {0x0B, 0x53, 103}, {0x0F, 0x53, 104}}));
}

TEST_F(FileMenuHandlerTest, EachCommandMakesItsCallsInOrder) {
    const int kNew = FileMenuHandler::kNew, kOpen = FileMenuHandler::kOpen,
              kSave = FileMenuHandler::kSave, kSaveAs = FileMenuHandler::kSaveAs;
    // A cancelled dialog changes nothing but stops playback. Save asks for a
    // name only when the project has none; Save As always asks, and neither
    // moves the play head.
    const std::tuple<bool, const char*, int, std::optional<std::string>, Texts> cases[] = {
        {true, "/p/old.qmx", kNew, {}, {"Stop", "New", "SetCurrentFrame(1)"}},
        {false, "/p/old.qmx", kNew, {}, {"New", "SetCurrentFrame(1)"}},
        {true, "", kOpen, "/p/tour.qmx", {"Stop", "Load(/p/tour.qmx)", "SetCurrentFrame(1)"}},
        {true, "/p/tour.qmx", kOpen, std::nullopt, {"Stop"}},
        {true, "/p/tour.qmx", kSaveAs, std::nullopt, {"Stop"}},
        {false, "/p/tour.qmx", kSave, std::nullopt, {"Save(/p/tour.qmx)"}},
        {false, "", kSave, std::nullopt, {}},
        {false, "", kSave, "/p/new.qmx", {"Save(/p/new.qmx)"}},
        {false, "/p/tour.qmx", kSaveAs, "/p/copy.qmx", {"Save(/p/copy.qmx)"}},
        {true, "/p/tour.qmx", 0, {}, {}},
        {true, "/p/tour.qmx", 6, {}, {}},
        {true, "/p/tour.qmx", -1, {}, {}},
    };
    Initialize();
    for (const auto& [playing, fileName, cookie, answer, calls] : cases) {
        m_pTimer->m_bRunning = playing;
        m_pProject->m_strFileName = fileName;
        Automation::Instance().Clear();
        EXPECT_EQ(Execute(cookie, answer), calls) << "cookie " << cookie << " on " << fileName;
    }
    EXPECT_TRUE(m_pProject->m_bWaitCursorShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
