#include "app/HostMenuItemState.h"

#include "platform/Menu.h"

#include <QAction>

void HostMenuItemState::SetCheck(bool checked) {
    CheckMenuItem(m_hMenu, static_cast<UINT>(m_nPosition),
                  MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void HostMenuItemState::SetText(const char* text) {
    if (QAction* action = GetMenuItemAction(m_hMenu, m_nPosition))
        action->setText(QString::fromUtf8(text ? text : ""));
}

void HostMenuItemState::Enable(bool enabled) {
    EnableMenuItem(m_hMenu, static_cast<UINT>(m_nPosition),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}
