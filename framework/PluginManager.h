#pragma once

#include "framework/BasePlugin.h"
#include "framework/Pointer.h"
#include "framework/String.h"

#include <string>
#include <vector>

// Loads plug-in libraries and creates plug-in objects by class name.
class PluginManager {
  public:
    // Creates an object of the registered class; throws ClassNotFoundException*
    // for an unknown name, returns an empty handle when the class is no plug-in.
    Pointer<BasePlugin> CreateDynamicPlugin(const String& className);

    // Loads one shared library; false (with a debugger line) when it fails.
    bool LoadLibrary(const std::string& path);
    // Loads every "*.dll" of a folder in name order; returns the paths loaded.
    std::vector<std::string> LoadFolder(const std::string& folder);
    // The address of an exported symbol in a loaded library, or null.
    void* GetSymbol(const std::string& path, const char* symbol) const;
    const std::vector<std::string>& GetLoadedLibraries() const { return m_loaded; }
    // Unloads every library, newest first.
    void UnloadAll();

  private:
    std::vector<std::string> m_loaded;
    std::vector<void*> m_handles;
};

PluginManager* GetPluginManager();
