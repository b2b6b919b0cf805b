#include "app/SessionRunner.h"
#include "app/HostApplication.h"
#include "app/MainFrame.h"
#include "app/SessionError.h"
#include "app/SessionScript.h"

#include "platform/Automation.h"
#include "platform/CMDIChildWnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStatusBar>

namespace {

// A view that writes down every mouse and key message it receives.
class RecordingView : public CWnd {
  public:
    std::vector<std::string> messages;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        static const std::pair<UINT, const char*> names[] = {
            {WM_LBUTTONDOWN, "ldown"}, {WM_LBUTTONUP, "lup"}, {WM_LBUTTONDBLCLK, "ldbl"},
            {WM_RBUTTONDOWN, "rdown"}, {WM_RBUTTONUP, "rup"}, {WM_MOUSEMOVE, "move"},
            {WM_KEYDOWN, "keydown"},   {WM_KEYUP, "keyup"}};
        for (auto [code, name] : names) {
            if (code != message)
                continue;
            if (message == WM_KEYDOWN || message == WM_KEYUP)
                messages.push_back(std::string(name) + " " + std::to_string(wParam));
            else
                messages.push_back(std::string(name) + " " + std::to_string(GET_X_LPARAM(lParam)) +
                                   "," + std::to_string(GET_Y_LPARAM(lParam)) + " flags " +
                                   std::to_string(wParam));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SessionRunnerTest : public testing::Test {
  protected:
    void SetUp() override {
        Automation::Instance().Clear();
        m_host.Start("/nonexistent/Plugins/", true);
        m_pFrame = new CMDIChildWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(0, WS_OVERLAPPEDWINDOW, m_host.GetMainFrame()));
        m_pFrame->SetTitle("Recorder");
        m_pView = new RecordingView;
        CRect area(0, 0, 2000, 2000);
        ASSERT_TRUE(m_pView->Create(nullptr, "view", WS_CHILD | WS_VISIBLE, area, m_pFrame, 1));
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
    RecordingView* m_pView = nullptr;
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
         {"move 10,20 flags 0", "ldown 10,20 flags 1", "lup 10,20 flags 4", "move 30,5 flags 8",
          "rdown 30,5 flags 10", "rup 30,5 flags 0"}},
        {"mouse dblclk left 7 8 @ Recorder\n",
         {"move 7,8 flags 0", "ldown 7,8 flags 1", "lup 7,8 flags 0", "ldbl 7,8 flags 1",
          "lup 7,8 flags 0"}},
        {"drag left 0 0 40 20 @ Recorder steps 2\n",
         {"move 0,0 flags 0", "ldown 0,0 flags 1", "move 20,10 flags 1", "move 40,20 flags 1",
          "lup 40,20 flags 0"}},
        {"drag both 0 0 40 20 @ Recorder steps 1 # a comment\n",
         {"move 0,0 flags 0", "ldown 0,0 flags 1", "rdown 0,0 flags 3", "move 40,20 flags 3",
          "lup 40,20 flags 2", "rup 40,20 flags 0"}},
        {"key Ctrl+A @ Recorder\n", {"keydown 17", "keydown 65", "keyup 65", "keyup 17"}},
        {"key Shift+Enter @ Recorder\nkey f12 @ Recorder\nkey 7 @ Recorder\n",
         {"keydown 16", "keydown 13", "keyup 13", "keyup 16", "keydown 123", "keyup 123",
          "keydown 55", "keyup 55"}},
    };
    for (const auto& c : cases) {
        m_pView->messages.clear();
        RunScript(c.script);
        EXPECT_EQ(m_pView->messages, c.messages) << c.script;
    }
}

TEST_F(SessionRunnerTest, CommandsResizeRunMenuItemsQueueAnswersAndExitEndsTheSession) {
    RunScript("resize Recorder 320 200\nmenu \"&View\" \"&Status Bar\"\n"
              "answer message no\nmenu \"&Help\" \"&About Corvane...\"\n");
    CRect client;
    m_pFrame->GetClientRect(&client);
    EXPECT_EQ(client.Size(), CSize(320, 200));
    EXPECT_FALSE(m_host.GetMainFrame()->GetStatusBar()->isVisible());
    ASSERT_EQ(Automation::Instance().GetMessages().size(), 1u);
    EXPECT_EQ(Automation::Instance().GetMessages()[0].answer, IDNO);
    RunScript("menu \"&File\" \"E&xit\\tAlt+F4\"\nmenu \"&View\" \"&Status Bar\"\n");
    EXPECT_EQ(m_host.GetMainFrame(), nullptr);
}

TEST_F(SessionRunnerTest, CommandsThatCannotBeCarriedOutNameTheLineAndWhatIsMissing) {
    const std::pair<const char*, const char*> cases[] = {
        {"menu \"&View\"\n", "1: menu item \"&View\" is a submenu, not a command"},
        {"tick\nmenu \"&File\" \"Exit\"\n", "2: no menu item \"Exit\" in \"&File\""},
        {"mouse move 1 1 @ Camera\n", "1: no window titled \"Camera\" is open"},
        {"\n\nkey A @ \"Time Line\"\n", "3: no window titled \"Time Line\" is open"},
        {"open /nonexistent/x.qmx\n", "1: no project file /nonexistent/x.qmx"},
    };
    for (auto [script, error] : cases)
        EXPECT_EQ(ErrorOf(script), std::string("test.script:") + error);
}

} // namespace
