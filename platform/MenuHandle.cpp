#include "platform/MenuHandle.h"

#include "platform/CWnd.h"

#include <QAction>
#include <QMenu>

#include <set>

namespace {
constexpr const char* kHandleProperty = "corvaneMenu";

std::set<MenuHandle*>& Handles() {
    static std::set<MenuHandle*> handles;
    return handles;
}
} // namespace

MenuHandle* MenuHandle::Create(QWidget* widget, CWnd* pOwner) {
    auto* handle = new MenuHandle{widget, pOwner, nullptr};
    Handles().insert(handle);
    widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(handle)));
    QObject::connect(widget, &QObject::destroyed, [handle] {
        Handles().erase(handle);
        delete handle;
    });
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        QObject::connect(menu, &QMenu::aboutToShow, [handle] {
            handle->Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(handle),
                         MAKELPARAM(static_cast<WORD>(handle->IndexInParent()), FALSE));
        });
        QObject::connect(menu, &QMenu::aboutToHide, [handle] {
            // Leaving the menu: MFC shows its idle prompt again.
            if (!handle->pParent || !qobject_cast<QMenu*>(handle->pParent->pWidget.data()))
                handle->Send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        });
    }
    return handle;
}

MenuHandle* MenuHandle::FromWidget(const QWidget* widget) {
    if (!widget)
        return nullptr;
    QVariant value = widget->property(kHandleProperty);
    return value.isValid() ? reinterpret_cast<MenuHandle*>(value.value<quintptr>()) : nullptr;
}

MenuHandle* MenuHandle::Valid(HMENU hMenu) {
    return hMenu && Handles().count(hMenu) && hMenu->pWidget ? hMenu : nullptr;
}

QList<QAction*> MenuHandle::Items() const {
    return pWidget ? pWidget->actions() : QList<QAction*>();
}

CWnd* MenuHandle::Owner() const {
    const MenuHandle* root = this;
    while (root->pParent && Handles().count(root->pParent))
        root = root->pParent;
    return root->pOwner ? root->pOwner : AfxGetMainWnd();
}

int MenuHandle::IndexInParent() const {
    if (!pParent || !Handles().count(pParent) || !pWidget)
        return 0;
    auto* menu = qobject_cast<QMenu*>(pWidget.data());
    int index = menu ? static_cast<int>(pParent->Items().indexOf(menu->menuAction())) : -1;
    return index < 0 ? 0 : index;
}

void MenuHandle::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (CWnd* pOwner = Owner())
        pOwner->SendMessage(message, wParam, lParam);
}

namespace MenuItems {

UINT CommandId(const QAction* action) {
    if (Popup(action))
        return static_cast<UINT>(-1);
    if (action->isSeparator())
        return 0;
    return action->data().toUInt();
}

QMenu* Popup(const QAction* action) {
    return QMenu::menuInAction(action);
}

QAction* Find(MenuHandle* pMenu, UINT uItem, UINT uFlags, MenuHandle** pContainer) {
    if (!pMenu)
        return nullptr;
    QList<QAction*> items = pMenu->Items();
    if (uFlags & MF_BYPOSITION) {
        if (uItem >= static_cast<UINT>(items.size()))
            return nullptr;
        if (pContainer)
            *pContainer = pMenu;
        return items[static_cast<int>(uItem)];
    }
    for (QAction* action : items) {
        if (QMenu* popup = Popup(action)) {
            if (QAction* found = Find(MenuHandle::FromWidget(popup), uItem, uFlags, pContainer))
                return found;
        } else if (!action->isSeparator() && CommandId(action) == uItem) {
            if (pContainer)
                *pContainer = pMenu;
            return action;
        }
    }
    return nullptr;
}

} // namespace MenuItems
