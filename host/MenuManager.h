#pragma once

#include "host/MenuHandler.h"
#include "host/MenuItemState.h"

#include "framework/Pointer.h"
#include "framework/String.h"

// "MenuManager", published as "Menu Manager": adds plug-in menu items to the
// main window's menu bar and routes their commands back to the handlers.
class MenuManager : public virtual BaseObject {
  public:
    // path: line-feed separated segments, the last one the insertion place.
    // Returns the command identifier of a command item, -1 otherwise.
    virtual int AddMenuItem(int cookie, const String& path, const String& text,
                            Pointer<MenuHandler> handler, bool popup, bool separator,
                            const String& prompt) = 0;
    virtual void ExecuteCommand(int id) = 0;
    virtual void UpdateCommandUI(int id, Pointer<MenuItemState> state) = 0;
    // "status text\ntool tip", or empty for an identifier no command has.
    virtual String GetCommandPrompt(int id) = 0;
};
