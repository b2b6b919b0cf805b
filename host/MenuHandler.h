#pragma once

#include "host/MenuItemState.h"

#include "framework/Pointer.h"

// "MenuHandler": a plug-in that owns menu items, addressed by its own cookies.
class MenuHandler : public virtual BaseObject {
  public:
    // The default changes nothing.
    virtual void UpdateMenuItem(int cookie, Pointer<MenuItemState> state) {
        (void)cookie, (void)state;
    }
    virtual void ExecuteMenuItem(int cookie) = 0;
};
