#pragma once

#include "framework/BaseObject.h"

// The host's object for one menu item whose state is being updated.
class MenuItemState : public virtual BaseObject {
  public:
    virtual void SetCheck(bool checked) = 0;
    virtual void SetText(const char* text) = 0;
    virtual void Enable(bool enabled) = 0;
};
