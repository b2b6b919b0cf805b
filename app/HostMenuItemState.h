#pragma once

#include "host/MenuItemState.h"

#include "platform/WinTypes.h"

// One item of a menu, by position, whose state a plug-in sets before the
// menu opens.
class HostMenuItemState : public MenuItemState {
  public:
    HostMenuItemState(HMENU hMenu, int nPosition) : m_hMenu(hMenu), m_nPosition(nPosition) {}

    void SetCheck(bool checked) override;
    void SetText(const char* text) override;
    void Enable(bool enabled) override;

  private:
    HMENU m_hMenu;
    int m_nPosition;
};
