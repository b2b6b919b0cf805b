#include "framework/PluginManager.h"

#include "framework/Debugger.h"
#include "framework/RTTIClass.h"

#include <algorithm>
#include <dlfcn.h>
#include <filesystem>

Pointer<BasePlugin> PluginManager::CreateDynamicPlugin(const String& className) {
    const RTTIClass* record = RTTIClass::FindClass(className);
    return Pointer<BasePlugin>(static_cast<BasePlugin*>(record->GetCreateFunction()("BasePlugin")));
}

bool PluginManager::LoadLibrary(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        TVK::GetDebugger()->PrintError("Unable to load plug-in library %s: %s\n", path.c_str(),
                                       dlerror());
        return false;
    }
    m_loaded.push_back(path);
    m_handles.push_back(handle);
    return true;
}

std::vector<std::string> PluginManager::LoadFolder(const std::string& folder) {
    std::vector<std::string> candidates;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".dll")
            candidates.push_back(entry.path().string());
    if (error)
        TVK::GetDebugger()->PrintError("Unable to read the plug-in folder %s: %s\n", folder.c_str(),
                                       error.message().c_str());
    std::sort(candidates.begin(), candidates.end());
    std::vector<std::string> loaded;
    for (const auto& path : candidates)
        if (LoadLibrary(path))
            loaded.push_back(path);
    return loaded;
}

void* PluginManager::GetSymbol(const std::string& path, const char* symbol) const {
    auto found = std::find(m_loaded.begin(), m_loaded.end(), path);
    if (found == m_loaded.end())
        return nullptr;
    return dlsym(m_handles[static_cast<size_t>(found - m_loaded.begin())], symbol);
}

void PluginManager::UnloadAll() {
    while (!m_handles.empty()) {
        dlclose(m_handles.back());
        m_handles.pop_back();
        m_loaded.pop_back();
    }
}

PluginManager* GetPluginManager() {
    static PluginManager manager;
    return &manager;
}
