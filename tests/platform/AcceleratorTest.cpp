#include "platform/Accelerator.h"
#include "CommandFrame.h"
#include "platform/CMDIChildWnd.h"
#include "platform/Keyboard.h"

#include <QMdiArea>

namespace {

// Real key presses in the main window, offered through the key hook to the
// tables in order, as a host offers them.
class AcceleratorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_pMain = new CommandFrame;
        ASSERT_TRUE(m_pMain->LoadFrame(128));
        m_pMain->ShowWindow(SW_SHOW);
        m_pMain->GetWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pMain->GetWidget()));
        SetKeyMessageFilter([this](MSG& msg) {
            for (HACCEL hAccel : m_tables)
                if (TranslateAcceleratorA(m_pMain, hAccel, &msg))
                    return true;
            return false;
        });
    }
    void TearDown() override {
        SetKeyMessageFilter(nullptr);
        for (HACCEL hAccel : m_tables)
            DestroyAcceleratorTable(hAccel);
        m_pMain->DestroyWindow();
        FlushDeletes();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(m_pMain->GetWidget()->windowHandle(), key, modifiers);
    }

    CommandFrame* m_pMain = nullptr;
    std::vector<HACCEL> m_tables;
};

TEST_F(AcceleratorTest, OnlyKeyDownMessagesForAWindowAreTranslatedWhileTheTableLives) {
    ACCEL entries[] = {{0x03, 0x0D, 601}};
    HACCEL hAccel = CreateAcceleratorTableA(entries, 1);
    MSG up{m_pMain, WM_KEYUP, 0x0D, 0, 0, {0, 0}};
    EXPECT_EQ(TranslateAcceleratorA(m_pMain, hAccel, &up), 0);
    MSG down{m_pMain, WM_KEYDOWN, 0x0D, 0, 0, {0, 0}};
    EXPECT_NE(TranslateAcceleratorA(m_pMain, hAccel, &down), 0);
    EXPECT_EQ(TranslateAcceleratorA(nullptr, hAccel, &down), 0);

    EXPECT_TRUE(DestroyAcceleratorTable(hAccel));
    EXPECT_FALSE(DestroyAcceleratorTable(hAccel));
    EXPECT_EQ(TranslateAcceleratorA(m_pMain, hAccel, &down), 0);
    EXPECT_EQ(CreateAcceleratorTableA(entries, 0), nullptr);
    EXPECT_EQ(CreateAcceleratorTableA(nullptr, 1), nullptr);
}

TEST_F(AcceleratorTest, KeysReachTheTablesWhileAChildFrameHasTheFocusAndCtrlF4ClosesItOtherwise) {
    class Frame : public CMDIChildWnd {};
    auto* pFrame = new Frame;
    ASSERT_TRUE(pFrame->LoadFrame(103, 0x00CF0000, m_pMain, nullptr));
    pFrame->ShowWindow(SW_RESTORE);
    pFrame->ActivateFrame();
    pFrame->SetFocus();
    ACCEL entries[] = {{0x0B, 'W', 901}, {0x0B, 0x73, 902}};
    m_tables.push_back(CreateAcceleratorTableA(entries, 2));
    Press(Qt::Key_W, Qt::ControlModifier);
    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_THAT(m_pMain->m_log, ElementsAre("WM_COMMAND 901 1", "WM_COMMAND 902 1"));
    EXPECT_EQ(m_pMain->MDIGetActive(), pFrame);

    DestroyAcceleratorTable(m_tables.back());
    m_tables.pop_back();
    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(m_pMain->GetMDIArea()->subWindowList().isEmpty());
}

} // namespace
