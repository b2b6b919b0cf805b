#include "app/SessionRunner.h"
#include "app/HostApplication.h"
#include "app/MainFrame.h"
#include "app/SessionError.h"
#include "app/SessionScript.h"

#include "platform/Automation.h"
#include "platform/CMDIChildWnd.h"

#include "RecordingWnd.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

class SessionRunnerTest : public testing::Test {
  protected:
    void SetUp() override {
        Automation::Instance().Clear();
        m_host.Start("/nonexistent/Plugins/", true);
        m_pFrame = new CMDIChildWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(0, WS_OVERLAPPEDWINDOW, m_host.GetMainFrame()));
        m_pFrame->SetTitle("Recorder");
        m_pView = new RecordingWnd;
        ASSERT_TRUE(m_pView->Make(WS_CHILD | WS_VISIBLE, CRect(0, 0, 2000, 2000), m_pFrame));
        m_pFrame->ActivateFrame();
        SessionRunner::ProcessPendingEvents();
    }
    void TearDown() override {
        m_host.Shutdown();
        delete m_pView; // its window went with the frame
        Automation::Instance().SetSessionMode(false);
    }

    void RunScript(const std::string& text) {
        SessionRunner(m_host, "test.script").Run(SessionScript::Parse(text, "test.script"));
    }
    std::string ErrorOf(const std::string& text) {
        try {
            RunScript(text);
        } catch (const SessionError& error) {
            return error.what();
        }
        return "no error";
    }

    HostApplication m_host;
    CMDIChildWnd* m_pFrame = nullptr;
    RecordingWnd* m_pView = nullptr;
};

TEST_F(SessionRunnerTest, MouseAndKeyCommandsArriveAsAPersonMakesThemInClientCoordinates) {
    // The pointer moves to each new point before the press, as a hand moves the
    // mouse; modifiers are pressed around a key.
    const struct {
        const char* script;
        std::vector<std::string> messages;
    } cases[] = {
        {"mouse down left 10 20 @ Recorder\n"
         "mouse up left 10 20 @ Recorder shift\n"
         "mouse down right 30 5 @ Recorder ctrl\n"
         "mouse up right 30 5\n",
         {"WM_MOUSEMOVE 0 10 20", "WM_LBUTTONDOWN 1 10 20", "WM_LBUTTONUP 4 10 20",
          "WM_MOUSEMOVE 8 30 5", "WM_RBUTTONDOWN 10 30 5", "WM_RBUTTONUP 0 30 5"}},
        {"mouse dblclk left 7 8 @ Recorder\n",
         {"WM_MOUSEMOVE 0 7 8", "WM_LBUTTONDOWN 1 7 8", "WM_LBUTTONUP 0 7 8",
          "WM_LBUTTONDBLCLK 1 7 8", "WM_LBUTTONUP 0 7 8"}},
        {"drag left 0 0 40 20 @ Recorder steps 2\n",
         {"WM_MOUSEMOVE 0 0 0", "WM_LBUTTONDOWN 1 0 0", "WM_MOUSEMOVE 1 20 10",
          "WM_MOUSEMOVE 1 40 20", "WM_LBUTTONUP 0 40 20"}},
        {"drag both 0 0 40 20 @ Recorder steps 1 # a comment\n",
         {"WM_MOUSEMOVE 0 0 0", "WM_LBUTTONDOWN 1 0 0", "WM_RBUTTONDOWN 3 0 0",
          "WM_MOUSEMOVE 3 40 20", "WM_LBUTTONUP 2 40 20", "WM_RBUTTONUP 0 40 20"}},
        {"key Ctrl+A @ Recorder\n",
         {"WM_KEYDOWN 17", "WM_KEYDOWN 65", "WM_KEYUP 65", "WM_KEYUP 17"}},
        {"key Shift+Enter @ Recorder\nkey f12 @ Recorder\nkey 7 @ Recorder\n",
         {"WM_KEYDOWN 16", "WM_KEYDOWN 13", "WM_KEYUP 13", "WM_KEYUP 16", "WM_KEYDOWN 123",
          "WM_KEYUP 123", "WM_KEYDOWN 55", "WM_KEYUP 55"}},
    };
    for (const auto& c : cases) {
        m_pView->Take();
        RunScript(c.script);
        std::vector<std::string> input = m_pView->Take();
        std::erase_if(input, [](const std::string& entry) {
            return !entry.starts_with("WM_MOUSE") && !entry.starts_with("WM_L") &&
                   !entry.starts_with("WM_R") && !entry.starts_with("WM_KEY");
        });
        EXPECT_EQ(input, c.messages) << c.script;
    }
}

TEST_F(SessionRunnerTest, ExitEndsTheSession) {
    RunScript("menu \"&File\" \"E&xit\\tAlt+F4\"\nmenu \"&View\" \"&Status Bar\"\n");
    EXPECT_EQ(m_host.GetMainFrame(), nullptr);
}

TEST_F(SessionRunnerTest, CommandsThatCannotBeCarriedOutNameTheLineAndWhatIsMissing) {
    const std::pair<const char*, const char*> cases[] = {
        {"menu \"&View\"\n", "1: menu item \"&View\" is a submenu, not a command"},
        {"tick\nmenu \"&File\" \"Exit\"\n", "2: no menu item \"Exit\" in \"&File\""},
        {"mouse move 1 1 @ Camera\n", "1: no window titled \"Camera\" is open"},
        {"mouse move 1 1 @ Record\n", "1: no window titled \"Record\" is open"},
        {"\n\nkey A @ \"Time Line\"\n", "3: no window titled \"Time Line\" is open"},
        {"open /nonexistent/x.qmx\n", "1: no project file /nonexistent/x.qmx"},
    };
    for (auto [script, error] : cases)
        EXPECT_EQ(ErrorOf(script), std::string("test.script:") + error);
}

} // namespace
