#include "platform/Menu.h"

#include "platform/CMDIFrameWnd.h"
#include "platform/MenuHandle.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <algorithm>
#include <cstring>

namespace {

// The messages of a command or popup item: WM_COMMAND when it is chosen,
// WM_MENUSELECT when it is highlighted.
void ConnectItem(QAction* action, QWidget* container) {
    QPointer<QWidget> menu = container;
    QObject::connect(action, &QAction::triggered, action, [action, menu](bool checked) {
        if (MenuItems::Popup(action))
            return;
        // A Windows menu item changes its check mark only when told to.
        if (action->isCheckable())
            action->setChecked(!checked);
        if (MenuHandle* handle = MenuHandle::FromWidget(menu))
            handle->Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(MenuItems::CommandId(action)), 0),
                         0);
    });
    QObject::connect(action, &QAction::hovered, action, [action, menu] {
        MenuHandle* handle = MenuHandle::FromWidget(menu);
        if (!handle)
            return;
        UINT flags = action->isEnabled() ? 0 : MF_GRAYED;
        UINT item = MenuItems::CommandId(action);
        if (MenuItems::Popup(action)) {
            flags |= MF_POPUP;
            item = static_cast<UINT>(handle->Items().indexOf(action));
        }
        if (action->isChecked())
            flags |= MF_CHECKED;
        handle->Send(WM_MENUSELECT, MAKEWPARAM(static_cast<WORD>(item), static_cast<WORD>(flags)),
                     reinterpret_cast<LPARAM>(handle));
    });
}

UINT StateOf(const QAction* action) {
    UINT state = 0;
    if (!action->isEnabled())
        state |= MF_GRAYED;
    if (action->isChecked())
        state |= MF_CHECKED;
    if (action->isSeparator())
        state |= MF_SEPARATOR;
    return state;
}

} // namespace

HMENU GetMenu(HWND hWnd) {
    auto* pFrame = dynamic_cast<CMDIFrameWnd*>(hWnd);
    return pFrame ? MenuHandle::Valid(pFrame->GetMenuHandle()) : nullptr;
}

BOOL DrawMenuBar(HWND hWnd) {
    MenuHandle* handle = MenuHandle::Valid(GetMenu(hWnd));
    if (!handle)
        return FALSE;
    handle->pWidget->update();
    return TRUE;
}

HMENU CreateMenu() {
    return MenuHandle::Create(new QMenu, nullptr);
}

HMENU CreatePopupMenu() {
    return CreateMenu();
}

int GetMenuItemCount(HMENU hMenu) {
    MenuHandle* handle = MenuHandle::Valid(hMenu);
    return handle ? static_cast<int>(handle->Items().size()) : -1;
}

int GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int nMaxCount, UINT uFlag) {
    QAction* action = MenuItems::Find(MenuHandle::Valid(hMenu), uIDItem, uFlag);
    if (!action)
        return 0;
    QMenu* popup = MenuItems::Popup(action);
    std::string text = (popup ? popup->title() : action->text()).toStdString();
    if (!lpString)
        return static_cast<int>(text.size());
    if (nMaxCount <= 0)
        return 0;
    int nLength = std::min(static_cast<int>(text.size()), nMaxCount - 1);
    std::memcpy(lpString, text.data(), static_cast<size_t>(nLength));
    lpString[nLength] = '\0';
    return nLength;
}

HMENU GetSubMenu(HMENU hMenu, int nPos) {
    if (nPos < 0)
        return nullptr;
    QAction* action =
        MenuItems::Find(MenuHandle::Valid(hMenu), static_cast<UINT>(nPos), MF_BYPOSITION);
    return action ? MenuHandle::FromWidget(MenuItems::Popup(action)) : nullptr;
}

UINT GetMenuItemID(HMENU hMenu, int nPos) {
    if (nPos < 0)
        return static_cast<UINT>(-1);
    QAction* action =
        MenuItems::Find(MenuHandle::Valid(hMenu), static_cast<UINT>(nPos), MF_BYPOSITION);
    return action ? MenuItems::CommandId(action) : static_cast<UINT>(-1);
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    QAction* action = MenuItems::Find(MenuHandle::Valid(hMenu), uId, uFlags);
    if (!action)
        return static_cast<UINT>(-1);
    UINT state = StateOf(action);
    if (QMenu* popup = MenuItems::Popup(action))
        state |= MF_POPUP | (static_cast<UINT>(popup->actions().size() & 0xFF) << 8);
    return state;
}

BOOL InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    MenuHandle* handle = MenuHandle::Valid(hMenu);
    if (!handle)
        return FALSE;
    QWidget* container = handle->pWidget;
    QList<QAction*> items = handle->Items();
    QAction* before = nullptr;
    if (uFlags & MF_BYPOSITION) {
        if (uPosition < static_cast<UINT>(items.size()))
            before = items[static_cast<int>(uPosition)];
    } else {
        MenuHandle* pHolder = nullptr;
        before = MenuItems::Find(handle, uPosition, MF_BYCOMMAND, &pHolder);
        if (!before)
            return FALSE;
        handle = pHolder;
        container = handle->pWidget;
    }
    QString text = QString::fromUtf8(lpNewItem ? lpNewItem : "");

    QAction* action = nullptr;
    if (uFlags & MF_POPUP) {
        MenuHandle* popupHandle = MenuHandle::Valid(reinterpret_cast<HMENU>(uIDNewItem));
        auto* popup = popupHandle ? qobject_cast<QMenu*>(popupHandle->pWidget.data()) : nullptr;
        if (!popup || popupHandle == handle || popupHandle->pParent)
            return FALSE;
        // The container owns the popup from now on, as Windows destroys the
        // popups of a destroyed menu.
        popup->setParent(container, popup->windowFlags());
        popup->setTitle(text);
        popupHandle->pParent = handle;
        action = popup->menuAction();
    } else {
        action = new QAction(text, container);
        if (uFlags & MF_SEPARATOR)
            action->setSeparator(true);
        else
            action->setData(static_cast<uint>(uIDNewItem));
    }
    action->setEnabled(!(uFlags & (MF_GRAYED | MF_DISABLED)));
    if (uFlags & MF_CHECKED) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    ConnectItem(action, container);
    container->insertAction(before, action);
    return TRUE;
}

BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
    return InsertMenuA(hMenu, static_cast<UINT>(-1), uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}

BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    QAction* action = MenuItems::Find(MenuHandle::Valid(hMenu), uPosition, uFlags);
    if (!action)
        return FALSE;
    if (QMenu* popup = MenuItems::Popup(action))
        delete popup;
    else
        delete action; // a deleted action leaves every menu that shows it
    return TRUE;
}

int EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    QAction* action =
        MenuItems::Find(MenuHandle::Valid(hMenu), uIDEnableItem, uEnable & MF_BYPOSITION);
    if (!action)
        return -1;
    int previous = action->isEnabled() ? MF_ENABLED : MF_GRAYED;
    action->setEnabled(!(uEnable & (MF_GRAYED | MF_DISABLED)));
    return previous;
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    QAction* action =
        MenuItems::Find(MenuHandle::Valid(hMenu), uIDCheckItem, uCheck & MF_BYPOSITION);
    if (!action)
        return static_cast<DWORD>(-1);
    DWORD previous = action->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    action->setCheckable(true);
    action->setChecked((uCheck & MF_CHECKED) != 0);
    return previous;
}

QAction* GetMenuItemAction(HMENU hMenu, int nPos) {
    if (nPos < 0)
        return nullptr;
    return MenuItems::Find(MenuHandle::Valid(hMenu), static_cast<UINT>(nPos), MF_BYPOSITION);
}
