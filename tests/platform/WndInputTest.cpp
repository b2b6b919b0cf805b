#include "PlatformTestSupport.h"
#include "RecordingWnd.h"
#include "platform/Cursor.h"
#include "platform/Keyboard.h"

#include <QDialog>
#include <QLineEdit>

namespace {

// A top-level parent with two child windows side by side, shown and active.
class WndInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Make(WS_VISIBLE, CRect(0, 0, 300, 200)));
        ASSERT_TRUE(m_left.Make(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110), &m_parent));
        ASSERT_TRUE(m_right.Make(WS_CHILD | WS_VISIBLE, CRect(150, 10, 250, 110), &m_parent));
        m_parent.GetWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_parent.GetWidget()));
        m_window = TopWindowOf(m_parent);
        for (RecordingWnd* pWnd : {&m_parent, &m_left, &m_right})
            pWnd->Take();
    }
    void TearDown() override {
        SetKeyMessageFilter(nullptr);
        ReleaseCapture();
        FlushDeletes();
    }
    QPoint At(const CWnd& wnd, int x, int y) { return WindowPointOf(wnd, CPoint(x, y)); }

    RecordingWnd m_parent, m_left, m_right;
    QWindow* m_window = nullptr;
};

// The log without the mouse moves and focus changes that come with clicking.
std::vector<std::string> Clicks(std::vector<std::string> log) {
    std::erase_if(log, [](const std::string& entry) {
        return entry.starts_with("WM_MOUSEMOVE") || entry == "WM_SETFOCUS";
    });
    return log;
}

std::string Mouse(const char* name, UINT flags, int x, int y) {
    return std::string(name) + " " + std::to_string(flags) + " " + std::to_string(x) + " " +
           std::to_string(y);
}

TEST_F(WndInputTest, MouseMessagesCarryButtonFlagsAndClientCoordinates) {
    QTest::mouseMove(m_window, At(m_left, 20, 30));
    EXPECT_THAT(m_left.Take(), ElementsAre(Mouse("WM_MOUSEMOVE", 0, 20, 30)));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::ShiftModifier, At(m_left, 5, 6));
    QTest::mousePress(m_window, Qt::RightButton, Qt::ControlModifier, At(m_right, 7, 8));
    QTest::mouseRelease(m_window, Qt::RightButton, Qt::NoModifier, At(m_right, 7, 8));
    QTest::mouseClick(m_window, Qt::MiddleButton, Qt::NoModifier, At(m_right, 1, 2));
    EXPECT_THAT(Clicks(m_left.Take()),
                ElementsAre(Mouse("WM_LBUTTONDOWN", MK_LBUTTON | MK_SHIFT, 5, 6),
                            Mouse("WM_LBUTTONUP", MK_SHIFT, 5, 6)));
    EXPECT_THAT(Clicks(m_right.Take()),
                ElementsAre(Mouse("WM_RBUTTONDOWN", MK_RBUTTON | MK_CONTROL, 7, 8),
                            Mouse("WM_RBUTTONUP", 0, 7, 8),
                            Mouse("WM_MBUTTONDOWN", MK_MBUTTON, 1, 2),
                            Mouse("WM_MBUTTONUP", 0, 1, 2)));
}

TEST_F(WndInputTest, ADoubleClickArrivesAsDownUpDoubleClickUpOrTwoPressesWithoutTheClassStyle) {
    QTest::mouseDClick(m_window, Qt::LeftButton, Qt::NoModifier, At(m_left, 3, 4));
    EXPECT_THAT(Clicks(m_left.Take()), ElementsAre(Mouse("WM_LBUTTONDOWN", MK_LBUTTON, 3, 4),
                                                   Mouse("WM_LBUTTONUP", 0, 3, 4),
                                                   Mouse("WM_LBUTTONDBLCLK", MK_LBUTTON, 3, 4),
                                                   Mouse("WM_LBUTTONUP", 0, 3, 4)));

    RecordingWnd plain;
    ASSERT_TRUE(plain.Make(WS_CHILD | WS_VISIBLE, CRect(10, 120, 60, 170), &m_parent, 0,
                           AfxRegisterWndClass(CS_OWNDC | CS_HREDRAW)));
    plain.Take();
    QTest::mouseDClick(m_window, Qt::LeftButton, Qt::NoModifier, At(plain, 3, 4));
    EXPECT_THAT(Clicks(plain.Take()), ElementsAre(Mouse("WM_LBUTTONDOWN", MK_LBUTTON, 3, 4),
                                                  Mouse("WM_LBUTTONUP", 0, 3, 4),
                                                  Mouse("WM_LBUTTONDOWN", MK_LBUTTON, 3, 4),
                                                  Mouse("WM_LBUTTONUP", 0, 3, 4)));
}

TEST_F(WndInputTest, TheCaptureWindowGetsEveryMouseMessageInItsOwnCoordinates) {
    EXPECT_EQ(m_left.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &m_left);
    QTest::mouseMove(m_window, At(m_right, 10, 10));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, At(m_right, 10, 10));
    EXPECT_TRUE(Clicks(m_right.Take()).empty());
    // m_right's (10, 10) is m_left's (150, 10).
    EXPECT_THAT(m_left.Take(), ElementsAre(Mouse("WM_MOUSEMOVE", 0, 150, 10),
                                           Mouse("WM_LBUTTONDOWN", MK_LBUTTON, 150, 10),
                                           Mouse("WM_LBUTTONUP", 0, 150, 10)));

    // To the left of the captured window the coordinates are negative.
    QTest::mouseMove(m_window, At(m_parent, 2, 50));
    EXPECT_THAT(m_left.Take(), ElementsAre(Mouse("WM_MOUSEMOVE", 0, -8, 40)));

    ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, At(m_right, 10, 10));
    EXPECT_TRUE(m_left.Take().empty());
    EXPECT_THAT(Clicks(m_right.Take()), ElementsAre(Mouse("WM_LBUTTONDOWN", MK_LBUTTON, 10, 10),
                                                    Mouse("WM_LBUTTONUP", 0, 10, 10)));

    // Destroying the capture window releases the capture.
    RecordingWnd child;
    ASSERT_TRUE(child.Make(WS_CHILD | WS_VISIBLE, CRect(0, 150, 20, 170), &m_parent));
    child.SetCapture();
    child.DestroyWindow();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(WndInputTest, GetAsyncKeyStateAnswersForTheInputBeingHandled) {
    std::vector<bool> shift;
    m_left.m_onLButtonDown = [&](UINT, CPoint) {
        shift.push_back((GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0);
    };
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::ShiftModifier, At(m_left, 5, 5));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, At(m_left, 5, 5));
    EXPECT_THAT(shift, ElementsAre(true, false));
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
}

TEST_F(WndInputTest, TheFocusedWindowGetsFocusMessagesAndVirtualKeyCodes) {
    m_right.SetFocus();
    EXPECT_EQ(m_left.SetFocus(), &m_right);
    EXPECT_EQ(CWnd::GetFocus(), &m_left);
    EXPECT_THAT(m_left.Take(), ElementsAre("WM_SETFOCUS"));
    EXPECT_THAT(m_right.Take(), ElementsAre("WM_SETFOCUS"));
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {
        {Qt::Key_Return, Qt::NoModifier, 0x0D}, {Qt::Key_Enter, Qt::KeypadModifier, 0x0D},
        {Qt::Key_Escape, Qt::NoModifier, 0x1B}, {Qt::Key_Backspace, Qt::NoModifier, 0x08},
        {Qt::Key_Delete, Qt::NoModifier, 0x2E}, {Qt::Key_Q, Qt::NoModifier, 'Q'},
        {Qt::Key_F12, Qt::NoModifier, 0x7B},    {Qt::Key_3, Qt::KeypadModifier, 0x63}};
    for (auto [key, modifiers, vk] : keys) {
        QTest::keyClick(m_window, key, modifiers);
        EXPECT_THAT(m_left.Take(), ElementsAre("WM_KEYDOWN " + std::to_string(vk),
                                               "WM_KEYUP " + std::to_string(vk)))
            << "Qt key " << key;
    }
    // With a modifier, its own key comes first and goes last; Alt makes them
    // system keys.
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_THAT(m_left.Take(), ElementsAre("WM_KEYDOWN 16", "WM_KEYDOWN 17", "WM_KEYDOWN 83",
                                           "WM_KEYUP 83", "WM_KEYUP 17", "WM_KEYUP 16"));
    QTest::keyClick(m_window, Qt::Key_X, Qt::AltModifier);
    EXPECT_THAT(m_left.Take(), ElementsAre("WM_SYSKEYDOWN 18", "WM_SYSKEYDOWN 88", "WM_SYSKEYUP 88",
                                           "WM_SYSKEYUP 18"));
}

TEST_F(WndInputTest, TheKeyFilterSeesEachKeyOnceFirstAndMayConsumeItButNotAModalDialogs) {
    m_right.SetFocus();
    m_right.Take();
    std::vector<std::string> seen;
    SetKeyMessageFilter([&](MSG& msg) {
        seen.push_back(std::string(msg.hwnd == &m_right ? "right " : "other ") +
                       (msg.message == WM_KEYDOWN ? "down "
                        : msg.message == WM_KEYUP ? "up "
                                                  : "? ") +
                       std::to_string(msg.wParam));
        return msg.wParam == 'A';
    });
    QTest::keyClick(m_window, Qt::Key_A);
    QTest::keyClick(m_window, Qt::Key_B);
    // Keys sent straight to a widget, not through its window.
    QTest::keyClick(m_right.GetWidget(), Qt::Key_F5);
    EXPECT_THAT(m_right.Take(),
                ElementsAre("WM_KEYDOWN 66", "WM_KEYUP 66", "WM_KEYDOWN 116", "WM_KEYUP 116"));
    EXPECT_THAT(seen, ElementsAre("right down 65", "right up 65", "right down 66", "right up 66",
                                  "right down 116", "right up 116"));

    QDialog dialog(m_parent.GetWidget());
    auto* edit = new QLineEdit(&dialog);
    dialog.setModal(true);
    dialog.show();
    edit->setFocus();
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(edit->text(), "ab");
}

TEST_F(WndInputTest, SetCursorShowsOverTheWindowUnderTheMouse) {
    QTest::mouseMove(m_window, At(m_right, 5, 5));
    HCURSOR hWait = LoadCursor(nullptr, IDC_WAIT);
    HCURSOR hArrow = LoadCursor(nullptr, IDC_ARROW);
    ASSERT_TRUE(hWait && hArrow);
    SetCursor(hWait);
    EXPECT_EQ(m_right.GetWidget()->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(SetCursor(hArrow), hWait);
    EXPECT_EQ(m_right.GetWidget()->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
