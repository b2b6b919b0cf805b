#pragma once

#include "framework/BasePlugin.h"
#include "framework/Pointer.h"
#include "framework/SharedObject.h"
#include "framework/StaticInstancePlugin.h"

#include "host/NotifyFrameChange.h"

#include <string>
#include <vector>

// The plug-ins of a running host: created from the libraries' plug-in lists,
// published, handed the class records and initialised so that every service a
// plug-in requires is initialised before it; shut down in reverse.
class PluginHost {
  public:
    PluginHost() = default;
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;
    ~PluginHost();

    // Loads every plug-in library of the folder and creates the classes named
    // by the "GetAuthoringPluginList" of each. A missing folder or a library
    // that fails to load is reported to the debugger; start-up goes on.
    void LoadPluginFolder(const std::string& folder);
    // Creates every class of a list (one name a line, each ended by a line
    // feed). A class that cannot be created is reported and skipped.
    void CreatePlugins(const char* list);
    // Publishes the plug-ins that answer "SharedObject", hands every class
    // record to the ones that answer "RedirectInterfaces", then initialises
    // the ones that answer "StaticInstancePlugin". The model's shared objects
    // must be published already: they count as available to every plug-in.
    void Start();
    // Tells every plug-in that answers "NotifyFrameChange".
    void OnFrameChange(int newFrame, int oldFrame);
    // Shuts the initialised plug-ins down, newest first.
    void ShutDownPlugins();
    // Withdraws what Start published and releases every plug-in. The
    // libraries stay loaded: objects of theirs may still be alive elsewhere.
    void ReleasePlugins();

    const std::vector<Pointer<BasePlugin>>& GetPlugins() const { return m_plugins; }

  private:
    void Publish();
    void HandOutClassRecords();
    void InitializeInDependencyOrder();
    // Whether a plug-in or a published object answers the interface name.
    bool IsProvided(const String& interfaceName) const;

    std::vector<Pointer<BasePlugin>> m_plugins;
    std::vector<Pointer<SharedObject>> m_published;
    std::vector<Pointer<StaticInstancePlugin>> m_started;
    std::vector<Pointer<NotifyFrameChange>> m_frameListeners;
};
