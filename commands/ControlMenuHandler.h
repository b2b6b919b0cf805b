#pragma once

#include "framework/PluginClass.h"
#include "framework/StaticInstancePlugin.h"
#include "host/MenuHandler.h"

// The "&Control" menu: Play, Stop and Rewind of the project on Enter, Esc and
// Backspace. It keeps no state: the player timer says whether the project plays.
class ControlMenuHandler : public MenuHandler, public StaticInstancePlugin {
  public:
    CORVANE_DECLARE_CLASS();

    // The handler's own numbers for its items.
    enum Cookie { kPlay = 1, kStop = 2, kRewind = 3 };

    void* FindInterface(const char* name) override;

    void UpdateMenuItem(int cookie, Pointer<MenuItemState> state) override;
    void ExecuteMenuItem(int cookie) override;

    void Initialize() override;
    void Shutdown() override {}
    StringList GetRequiredInterfaces() override {
        return {"MenuManager", "AcceleratorManager", "Player"};
    }

  private:
    void Play();
    void Stop();
    void Rewind();
};
