#pragma once

#include "commands/AcceleratorTable.h"
#include "core/GrowableArray.h"

#include "framework/PluginClass.h"
#include "framework/Pointer.h"
#include "framework/SharedObject.h"
#include "framework/StaticInstancePlugin.h"
#include "host/AcceleratorManager.h"

// The plug-ins' keyboard shortcuts. Each menu handler hands over one table of
// entries whose commands are the identifiers the menu manager gave its items,
// so a key and its menu item run the same code. The first table that binds a
// key wins.
class AcceleratorManagerStdImpl : public AcceleratorManager,
                                  public SharedObject,
                                  public StaticInstancePlugin {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    void AddAcceleratorTable(const ACCEL* entries, int count) override;
    bool TranslateAccelerator(MSG* message) override;

    String GetSharedName() override { return "KBAccel Manager"; }

    void Initialize() override {}
    // Destroys every table: no key is translated afterwards.
    void Shutdown() override;
    StringList GetRequiredInterfaces() override { return {}; }

  private:
    GrowableArray<Pointer<AcceleratorTable>> m_tables;
};
