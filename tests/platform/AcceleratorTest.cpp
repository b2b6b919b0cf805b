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

    HACCEL hGone = m_tables.back();
    m_tables.pop_back();
    EXPECT_TRUE(DestroyAcceleratorTable(hGone));
    EXPECT_FALSE(DestroyAcceleratorTable(hGone));
    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_TRUE(m_pMain->GetMDIArea()->subWindowList().isEmpty());
}

} // namespace
