#include "RecordingAcceleratorManager.h"
#include "TestHost.h"

#include "commands/ControlMenuHandler.h"
#include "platform/Menu.h"

namespace {

using Calls = std::vector<std::string>;

class ControlMenuHandlerTest : public CommandsTest {
  protected:
    void SetUp() override {
        CommandsTest::SetUp();
        m_pHandler = new ControlMenuHandler;
    }
    void Initialize() {
        m_pHandler->Initialize();
        CallLog().clear();
    }
    Calls Update(int cookie) {
        Pointer<RecordingMenuItemState> state(new RecordingMenuItemState);
        m_pHandler->UpdateMenuItem(cookie, state);
        return state->m_calls;
    }
    HMENU ControlMenu() { return FindPopup(MenuBar(), "&Control"); }

    Pointer<ControlMenuHandler> m_pHandler;
};

TEST_F(ControlMenuHandlerTest, AddsTheControlMenuJustBeforeTheWindowMenu) {
    Initialize();
    std::vector<MenuItemView> bar = ReadMenu(MenuBar());
    ASSERT_EQ(bar.size(), 5u);
    EXPECT_EQ(bar[2].text, "&Control");
    EXPECT_EQ(bar[3].text, "&Window");

    std::vector<MenuItemView> items = ReadMenu(ControlMenu());
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "&Play\tEnter");
    EXPECT_EQ(items[0].id, 101u);
    EXPECT_EQ(items[1].text, "&Stop\tEsc");
    EXPECT_EQ(items[1].id, 102u);
    EXPECT_TRUE(items[2].separator);
    EXPECT_EQ(items[3].text, "&Rewind\tBackspace");
    EXPECT_EQ(items[3].id, 103u);

    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(101), "Start playing the project\nPlay (Enter)");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(102), "Stop the playing\nStop (Esc)");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(103),
              "Rewind to the beginning of the project\nRewind (Backspace)");
}

TEST_F(ControlMenuHandlerTest, BindsEnterEscAndBackspaceInOneTableOfThree) {
    Pointer<RecordingAcceleratorManager> recorder(new RecordingAcceleratorManager);
    Publish(recorder);
    Initialize();
    ASSERT_EQ(recorder->m_tables.size(), 1u);
    EXPECT_EQ(recorder->m_tables[0],
              (std::vector<ACCEL>{{0x03, 0x0D, 101}, {0x03, 0x1B, 102}, {0x03, 0x08, 103}}));
}

TEST_F(ControlMenuHandlerTest, PlayAndStopShowWhetherTheProjectPlays) {
    Initialize();
    EXPECT_EQ(Update(ControlMenuHandler::kPlay), (Calls{"Enable(1)", "SetCheck(0)"}));
    EXPECT_EQ(Update(ControlMenuHandler::kStop), (Calls{"Enable(0)", "SetCheck(1)"}));
    // Asked afresh: the timer may start without the handler.
    m_pTimer->m_bRunning = true;
    EXPECT_EQ(Update(ControlMenuHandler::kPlay), (Calls{"Enable(0)", "SetCheck(1)"}));
    EXPECT_EQ(Update(ControlMenuHandler::kStop), (Calls{"Enable(1)", "SetCheck(0)"}));
    EXPECT_EQ(Update(ControlMenuHandler::kRewind), Calls{});
    EXPECT_EQ(Update(0), Calls{});
}

TEST_F(ControlMenuHandlerTest, PlayPreparesTheTimeLineAndStartsWithoutATimeLineWindow) {
    Initialize();
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kPlay);
    EXPECT_EQ(CallLog(), (Calls{"PrepareForPlay", "Start"}));
    // Play does not ask whether the timer already runs.
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kPlay);
    EXPECT_EQ(CallLog(), (Calls{"PrepareForPlay", "Start", "PrepareForPlay", "Start"}));
}

TEST_F(ControlMenuHandlerTest, PlayAndRewindClearTheSelectedKeyFrame) {
    Pointer<FakeTimeLineWindow> window(new FakeTimeLineWindow);
    window->m_pSelected = new KeyFrame;
    Publish(window);
    Initialize();

    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kPlay);
    EXPECT_EQ(CallLog(), (Calls{"PrepareForPlay", "SetSelectedKeyFrame(none)", "Start"}));
    EXPECT_FALSE(window->m_pSelected);

    CallLog().clear();
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kRewind);
    EXPECT_EQ(CallLog(),
              (Calls{"SetSelectedKeyFrame(none)", "Stop", "SetCurrentFrame(1)", "Start"}));
}

TEST_F(ControlMenuHandlerTest, AFailingTimeLineWindowIsIgnoredButFrameworkExceptionsPassOn) {
    Pointer<FakeTimeLineWindow> window(new FakeTimeLineWindow);
    Publish(window);
    Initialize();

    window->m_failure = FakeTimeLineWindow::Failure::OtherException;
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kPlay);
    EXPECT_EQ(CallLog(), (Calls{"PrepareForPlay", "SetSelectedKeyFrame(none)", "Start"}));

    window->m_failure = FakeTimeLineWindow::Failure::FrameworkException;
    Exception* caught = nullptr;
    try {
        m_pHandler->ExecuteMenuItem(ControlMenuHandler::kRewind);
    } catch (Exception* exception) {
        caught = exception;
    }
    ASSERT_NE(caught, nullptr);
    EXPECT_EQ(caught->GetDescription(), "the time line window is broken");
    delete caught;
}

TEST_F(ControlMenuHandlerTest, RewindWhileStoppedOnlyMovesThePlayHead) {
    Initialize();
    m_pPlayer->m_nFrame = 40;
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kRewind);
    EXPECT_EQ(CallLog(), (Calls{"SetCurrentFrame(1)"}));
    EXPECT_FALSE(m_pTimer->IsRunning());
}

TEST_F(ControlMenuHandlerTest, RewindWhilePlayingStopsRewindsAndGoesOnPlaying) {
    Initialize();
    m_pTimer->m_bRunning = true;
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kRewind);
    EXPECT_EQ(CallLog(), (Calls{"Stop", "SetCurrentFrame(1)", "Start"}));
    EXPECT_TRUE(m_pTimer->IsRunning());
}

TEST_F(ControlMenuHandlerTest, StopStopsAndOtherCookiesDoNothing) {
    Initialize();
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kStop);
    m_pHandler->ExecuteMenuItem(0);
    m_pHandler->ExecuteMenuItem(4);
    m_pHandler->ExecuteMenuItem(-1);
    EXPECT_EQ(CallLog(), (Calls{"Stop"}));
}

TEST_F(ControlMenuHandlerTest, TheKeysGiveTheSameCommandsAsTheMenuItems) {
    Initialize();
    m_pPlayer->m_nFrame = 17;

    PressKey(Qt::Key_Return);
    EXPECT_TRUE(m_pTimer->IsRunning());
    OpenPopup(ControlMenu());
    std::vector<MenuItemView> items = ReadMenu(ControlMenu());
    EXPECT_FALSE(items[0].enabled);
    EXPECT_TRUE(items[0].checked);
    EXPECT_TRUE(items[1].enabled);
    EXPECT_FALSE(items[1].checked);
    EXPECT_TRUE(items[3].enabled);

    // Play is disabled while playing: Enter gives no command.
    CallLog().clear();
    PressKey(Qt::Key_Return);
    EXPECT_EQ(CallLog(), Calls{});

    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(CallLog(), (Calls{"Stop", "SetCurrentFrame(1)", "Start"}));
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(m_pTimer->IsRunning());
    OpenPopup(ControlMenu());
    items = ReadMenu(ControlMenu());
    EXPECT_TRUE(items[0].enabled);
    EXPECT_FALSE(items[0].checked);
    EXPECT_FALSE(items[1].enabled);
    EXPECT_TRUE(items[1].checked);

    CallLog().clear();
    for (int position : {0, 1, 3})
        Choose(ControlMenu(), position);
    EXPECT_EQ(CallLog(), (Calls{"PrepareForPlay", "Start", "Stop", "SetCurrentFrame(1)"}));
}

TEST(ControlMenuHandlerClassTest, AnswersItsInterfacesInOrderAndNeedsTheManagersAndThePlayer) {
    Pointer<ControlMenuHandler> handler(new ControlMenuHandler);
    ControlMenuHandler* object = handler.Get();
    EXPECT_EQ(object->FindInterface("MenuHandler"), static_cast<MenuHandler*>(object));
    EXPECT_EQ(object->FindInterface("StaticInstancePlugin"),
              static_cast<StaticInstancePlugin*>(object));
    EXPECT_EQ(object->FindInterface("BasePlugin"), static_cast<BasePlugin*>(object));
    EXPECT_EQ(object->FindInterface("ControlMenuHandler"), object);
    EXPECT_EQ(object->FindInterface("SharedObject"), nullptr);
    EXPECT_EQ(object->FindInterface("BaseObject"), nullptr);
    StringList required = object->GetRequiredInterfaces();
    ASSERT_EQ(required.GetCount(), 3);
    EXPECT_EQ(required[0], "MenuManager");
    EXPECT_EQ(required[1], "AcceleratorManager");
    EXPECT_EQ(required[2], "Player");
}

} // namespace
