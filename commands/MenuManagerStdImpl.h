#pragma once

#include "commands/MenuCommand.h"
#include "core/GrowableArray.h"

#include "framework/PluginClass.h"
#include "framework/SharedObject.h"
#include "framework/StaticInstancePlugin.h"
#include "host/MenuManager.h"

#include <cstdint>

// The one service through which plug-ins put items into the host's menu bar.
// It hands out the command identifiers (101 upwards, never reused) and routes
// each command, state update and prompt request back to the handler that
// added the item, by the handler's own cookie.
class MenuManagerStdImpl : public MenuManager, public SharedObject, public StaticInstancePlugin {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    int AddMenuItem(int cookie, const String& path, const String& text,
                    Pointer<MenuHandler> handler, bool popup, bool separator,
                    const String& prompt) override;
    void ExecuteCommand(int id) override;
    void UpdateCommandUI(int id, Pointer<MenuItemState> state) override;
    String GetCommandPrompt(int id) override;

    String GetSharedName() override { return "Menu Manager"; }

    void Initialize() override {}
    // Forgets every command (and so releases the handlers); the items stay in
    // the menu bar and identifiers go on counting.
    void Shutdown() override;
    StringList GetRequiredInterfaces() override { return {}; }

  private:
    Pointer<MenuCommand> FindCommand(int id) const;

    std::int32_t m_nNextCommandID = 101;
    GrowableArray<Pointer<MenuCommand>> m_commands;
};
