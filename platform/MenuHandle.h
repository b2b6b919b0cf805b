#pragma once

#include "platform/WinTypes.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QMenu;

// What an HMENU stands for: a Qt menu bar or menu, the window that owns the
// menu bar, and the menu a popup is inserted in.
struct MenuHandle {
    QPointer<QWidget> pWidget;
    CWnd* pOwner = nullptr;
    MenuHandle* pParent = nullptr;

    // A handle for a new menu widget; it lives as long as the widget.
    static MenuHandle* Create(QWidget* widget, CWnd* pOwner);
    static MenuHandle* FromWidget(const QWidget* widget);
    // The handle, when it names a live menu; null otherwise.
    static MenuHandle* Valid(HMENU hMenu);

    QList<QAction*> Items() const;
    // The window that receives the menu's messages.
    CWnd* Owner() const;
    // The popup's position in the menu it is inserted in (0 when none).
    int IndexInParent() const;
    void Send(UINT message, WPARAM wParam, LPARAM lParam) const;
};

namespace MenuItems {
// The item by position (MF_BYPOSITION) or by command identifier, searched
// through the submenus; null when there is none. pContainer gets the menu
// that holds it.
QAction* Find(MenuHandle* pMenu, UINT uItem, UINT uFlags, MenuHandle** pContainer = nullptr);
UINT CommandId(const QAction* action);
QMenu* Popup(const QAction* action);
} // namespace MenuItems
