#include "platform/Accelerator.h"

#include "platform/CWnd.h"
#include "platform/Keyboard.h"
#include "platform/Menu.h"
#include "platform/MenuHandle.h"

#include <QAction>

#include <set>
#include <vector>

struct AcceleratorTableData {
    std::vector<ACCEL> entries;
};

namespace {
std::set<HACCEL>& Tables() {
    static std::set<HACCEL> tables;
    return tables;
}

bool ModifiersMatch(BYTE fVirt) {
    return ((fVirt & FCONTROL) != 0) == ((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) &&
           ((fVirt & FSHIFT) != 0) == ((GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0) &&
           ((fVirt & FALT) != 0) == ((GetAsyncKeyState(VK_MENU) & 0x8000) != 0);
}

// As Windows does for an accelerator that stands for a menu item: the owner
// first updates the popup that holds the item (WM_INITMENUPOPUP, not while the
// mouse is captured), and a disabled item gives no command.
bool MenuItemAllows(HWND hWnd, WORD cmd) {
    MenuHandle* pBar = MenuHandle::Valid(GetMenu(hWnd));
    MenuHandle* pHolder = nullptr;
    if (!MenuItems::Find(pBar, cmd, MF_BYCOMMAND, &pHolder))
        return true;
    if (pHolder != pBar && !CWnd::GetCapture())
        hWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pHolder),
                          MAKELPARAM(static_cast<WORD>(pHolder->IndexInParent()), FALSE));
    QAction* action = MenuItems::Find(MenuHandle::Valid(GetMenu(hWnd)), cmd, MF_BYCOMMAND);
    return !action || action->isEnabled();
}
} // namespace

HACCEL CreateAcceleratorTableA(const ACCEL* lpaccl, int cEntries) {
    if (!lpaccl || cEntries <= 0)
        return nullptr;
    auto* table = new AcceleratorTableData{std::vector<ACCEL>(lpaccl, lpaccl + cEntries)};
    Tables().insert(table);
    return table;
}

BOOL DestroyAcceleratorTable(HACCEL hAccel) {
    if (!Tables().erase(hAccel))
        return FALSE;
    delete hAccel;
    return TRUE;
}

int TranslateAcceleratorA(HWND hWnd, HACCEL hAccTable, MSG* lpMsg) {
    if (!hWnd || !hWnd->GetSafeHwnd() || !Tables().count(hAccTable) || !lpMsg)
        return 0;
    if (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)
        return 0;
    for (const ACCEL& entry : hAccTable->entries) {
        if (!(entry.fVirt & FVIRTKEY) || entry.key != lpMsg->wParam || !ModifiersMatch(entry.fVirt))
            continue;
        if (MenuItemAllows(hWnd, entry.cmd))
            hWnd->SendMessage(WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
        return 1;
    }
    return 0;
}
