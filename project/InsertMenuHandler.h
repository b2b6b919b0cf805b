#pragma once

#include "framework/PluginClass.h"
#include "framework/StaticInstancePlugin.h"
#include "host/CastList.h"
#include "host/MenuHandler.h"

// The "I&nsert" menu: a cast member loaded from a file by whichever cast
// member class reads its type, a frame script at a frame the author names,
// and a light at the current frame. It keeps no state between commands.
class InsertMenuHandler : public MenuHandler, public StaticInstancePlugin {
  public:
    CORVANE_DECLARE_CLASS();

    // The handler's own numbers for its items.
    enum Cookie { kCastMember = 1, kFrameScript = 2, kLight = 3 };

    void* FindInterface(const char* name) override;

    void ExecuteMenuItem(int cookie) override;

    void Initialize() override;
    void Shutdown() override {}
    StringList GetRequiredInterfaces() override { return {"MenuManager"}; }

    // A type entry is "description\n*.ext"; only the first line feed counts.
    // False, leaving both outputs alone, for an entry without one.
    static bool SplitTypeEntry(const String& entry, String& description, String& pattern);
    // The open dialog's filter for every type the prototypes list, in order.
    static String BuildFileFilter(const CastMemberList& prototypes);

  private:
    void InsertCastMember();
    void InsertFrameScript();
    void InsertLight();
};
