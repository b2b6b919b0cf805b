#include "TestHost.h"

#include "platform/Accelerator.h"

namespace {

using Commands = std::vector<UINT>;

constexpr BYTE kVirt = FVIRTKEY | FNOINVERT;
constexpr BYTE kCtrlShift = kVirt | FCONTROL | FSHIFT;

using AcceleratorManagerTest = CommandsTest;

// The host's own tables and keys are exercised by the session cases.
TEST_F(AcceleratorManagerTest, KeysSendTheCommandsOfTheFirstTableThatBindsThem) {
    {
        ACCEL entries[] = {{kVirt, VK_RETURN, 201}, {kCtrlShift, 'S', 205}};
        m_pAccelManager->AddAcceleratorTable(entries, 0); // Windows makes no table: skipped
        m_pAccelManager->AddAcceleratorTable(entries, 2);
        entries[0].cmd = 999; // the caller's entries may be a temporary
    }
    const ACCEL later[] = {{kVirt, VK_RETURN, 301}, {kVirt, VK_DELETE, 302}};
    m_pAccelManager->AddAcceleratorTable(later, 2);

    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    PressKey(Qt::Key_Delete);
    EXPECT_EQ(m_pMainWnd->m_commands, (Commands{201, 205, 302}));
}

TEST_F(AcceleratorManagerTest, OnlyKeyDownsAreTranslatedAndNothingWithoutTablesOrAfterShutdown) {
    MSG message{m_pMainWnd->GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(m_pAccelManager->TranslateAccelerator(&message));
    const ACCEL entries[] = {{kVirt, VK_RETURN, 201}};
    m_pAccelManager->AddAcceleratorTable(entries, 1);
    message.message = WM_KEYUP;
    EXPECT_FALSE(m_pAccelManager->TranslateAccelerator(&message));

    m_pAccelManager->Shutdown();
    message.message = WM_KEYDOWN;
    EXPECT_FALSE(m_pAccelManager->TranslateAccelerator(&message));
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(m_pMainWnd->m_commands.empty());

    // Tables added afterwards work again.
    m_pAccelManager->AddAcceleratorTable(entries, 1);
    EXPECT_TRUE(m_pAccelManager->TranslateAccelerator(&message));
    EXPECT_EQ(m_pMainWnd->m_commands, (Commands{201}));
}

} // namespace
