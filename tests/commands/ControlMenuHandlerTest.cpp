#include "RecordingAcceleratorManager.h"
#include "TestHost.h"

#include "commands/ControlMenuHandler.h"
#include "framework/SharedObjects.h"

namespace {

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

    Pointer<ControlMenuHandler> m_pHandler;
};

TEST_F(ControlMenuHandlerTest, BindsItsKeysInOneTableOnlyWithAMenuManager) {
    Pointer<RecordingAcceleratorManager> recorder(new RecordingAcceleratorManager);
    Publish(recorder);
    GetSharedObjects()->RemoveObject(m_pMenuManager);
    Initialize(); // without a menu manager: nothing at all
    EXPECT_TRUE(recorder->m_tables.empty());
    Publish(m_pMenuManager);
    Initialize();
    ASSERT_EQ(recorder->m_tables.size(), 1u);
    EXPECT_EQ(recorder->m_tables[0],
              (std::vector<ACCEL>{{0x03, 0x0D, 101}, {0x03, 0x1B, 102}, {0x03, 0x08, 103}}));
}

TEST_F(ControlMenuHandlerTest, EachCommandMakesItsCallsInOrder) {
    const int kPlay = ControlMenuHandler::kPlay, kStop = ControlMenuHandler::kStop,
              kRewind = ControlMenuHandler::kRewind;
    // Play and Rewind clear the key frame selected in an open time line window.
    const struct {
        bool playing, windowOpen;
        int cookie;
        Texts calls;
    } cases[] = {
        {false, false, kPlay, {"PrepareForPlay", "Start"}},
        {true, false, kPlay, {"PrepareForPlay", "Start"}}, // without asking whether it plays
        {false, true, kPlay, {"PrepareForPlay", "SetSelectedKeyFrame(none)", "Start"}},
        {false, false, kRewind, {"SetCurrentFrame(1)"}},
        {true, false, kRewind, {"Stop", "SetCurrentFrame(1)", "Start"}},
        {true, true, kRewind, {"SetSelectedKeyFrame(none)", "Stop", "SetCurrentFrame(1)", "Start"}},
        {true, false, kStop, {"Stop"}},
        {true, true, 0, {}},
        {true, true, 4, {}},
        {true, true, -1, {}},
    };
    Initialize();
    for (const auto& c : cases) {
        Pointer<FakeTimeLineWindow> window(new FakeTimeLineWindow);
        if (c.windowOpen)
            Publish(window);
        m_pTimer->m_bRunning = c.playing;
        CallLog().clear();
        m_pHandler->ExecuteMenuItem(c.cookie);
        EXPECT_EQ(CallLog(), c.calls) << "cookie " << c.cookie << " playing " << c.playing;
        GetSharedObjects()->RemoveObject(window);
    }
    // Play is disabled while playing, so Enter gives no command at all.
    m_pTimer->m_bRunning = true;
    CallLog().clear();
    PressKey(Qt::Key_Return);
    EXPECT_EQ(CallLog(), Texts{});
}

TEST_F(ControlMenuHandlerTest, AFailingTimeLineWindowIsIgnoredButFrameworkExceptionsPassOn) {
    Pointer<FakeTimeLineWindow> window(new FakeTimeLineWindow);
    Publish(window);
    Initialize();

    window->m_failure = FakeTimeLineWindow::Failure::OtherException;
    m_pHandler->ExecuteMenuItem(ControlMenuHandler::kPlay);
    EXPECT_EQ(CallLog(), (Texts{"PrepareForPlay", "SetSelectedKeyFrame(none)", "Start"}));

    window->m_failure = FakeTimeLineWindow::Failure::FrameworkException;
    try {
        m_pHandler->ExecuteMenuItem(ControlMenuHandler::kRewind);
        ADD_FAILURE() << "the framework exception was swallowed";
    } catch (Exception* exception) {
        EXPECT_EQ(exception->GetDescription(), "the time line window is broken");
        delete exception;
    }
}

} // namespace
