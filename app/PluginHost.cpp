#include "app/PluginHost.h"

#include "framework/ClassNotFoundException.h"
#include "framework/Debugger.h"
#include "framework/PluginManager.h"
#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"

#include "host/RedirectInterfaces.h"

#include <algorithm>
#include <filesystem>

namespace {

using PluginListFunction = const char* (*)();

std::string ClassNameOf(BaseObject* object) {
    const RTTIClass* record = object->GetClass();
    return record ? record->GetName().str() : std::string("(unnamed class)");
}

} // namespace

PluginHost::~PluginHost() {
    ShutDownPlugins();
    ReleasePlugins();
}

void PluginHost::LoadPluginFolder(const std::string& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        TVK::GetDebugger()->PrintError("No plug-in folder %s; starting without plug-ins\n",
                                       folder.c_str());
        return;
    }
    for (const std::string& path : GetPluginManager()->LoadFolder(folder)) {
        auto list = reinterpret_cast<PluginListFunction>(
            GetPluginManager()->GetSymbol(path, "GetAuthoringPluginList"));
        size_t before = m_plugins.size();
        if (list)
            CreatePlugins(list());
        TVK::GetDebugger()->Print("Loaded plug-in library %s: %zu authoring plug-ins\n",
                                  path.c_str(), m_plugins.size() - before);
    }
}

void PluginHost::CreatePlugins(const char* list) {
    std::string_view rest(list ? list : "");
    while (!rest.empty()) {
        size_t feed = rest.find('\n');
        std::string name(rest.substr(0, feed));
        rest = feed == std::string_view::npos ? std::string_view() : rest.substr(feed + 1);
        if (name.empty())
            continue;
        // A list may name classes whose library is not installed.
        if (!RTTIClass::LookUpClass(String(name))) {
            TVK::GetDebugger()->PrintError("Unable to create plug-in class %s: %s\n", name.c_str(),
                                           ClassNotFoundException::Describe(String(name)).c_str());
            continue;
        }
        Pointer<BasePlugin> plugin = GetPluginManager()->CreateDynamicPlugin(String(name));
        if (!plugin) {
            TVK::GetDebugger()->PrintError("Class %s is not a plug-in; skipped\n", name.c_str());
            continue;
        }
        // A single-instance class listed twice answers its one object again.
        if (std::find(m_plugins.begin(), m_plugins.end(), plugin) == m_plugins.end())
            m_plugins.push_back(std::move(plugin));
    }
}

void PluginHost::Start() {
    Publish();
    HandOutClassRecords();
    for (const auto& plugin : m_plugins)
        if (auto listener = plugin.As<NotifyFrameChange>("NotifyFrameChange"))
            m_frameListeners.push_back(std::move(listener));
    InitializeInDependencyOrder();
}

void PluginHost::Publish() {
    for (const auto& plugin : m_plugins) {
        auto shared = plugin.As<SharedObject>("SharedObject");
        if (!shared)
            continue;
        GetSharedObjects()->AddObject(shared);
        m_published.push_back(std::move(shared));
    }
}

void PluginHost::HandOutClassRecords() {
    std::vector<const RTTIClass*> records = RTTIClass::GetRegisteredClasses();
    for (const auto& plugin : m_plugins)
        if (auto redirect = plugin.As<RedirectInterfaces>("RedirectInterfaces"))
            for (const RTTIClass* record : records)
                redirect->AddClass(record);
}

bool PluginHost::IsProvided(const String& interfaceName) const {
    for (const auto& plugin : m_plugins)
        if (plugin->FindInterface(interfaceName))
            return true;
    for (const auto& object : GetSharedObjects()->GetObjects())
        if (object->FindInterface(interfaceName))
            return true;
    return false;
}

// A plug-in is initialised once every other single-instance plug-in that
// answers one of its required interfaces has been; the list order decides
// among those that are ready. Services published by the model count as ready.
void PluginHost::InitializeInDependencyOrder() {
    struct Pending {
        Pointer<StaticInstancePlugin> plugin;
        std::vector<BaseObject*> providers;
    };
    std::vector<Pending> pending;
    for (const auto& plugin : m_plugins)
        if (auto single = plugin.As<StaticInstancePlugin>("StaticInstancePlugin"))
            pending.push_back({std::move(single), {}});

    for (auto& entry : pending) {
        BaseObject* self = entry.plugin.Get();
        for (const String& name : entry.plugin->GetRequiredInterfaces()) {
            bool found = false;
            for (const auto& other : pending) {
                BaseObject* candidate = other.plugin.Get();
                if (candidate != self && candidate->FindInterface(name)) {
                    entry.providers.push_back(candidate);
                    found = true;
                }
            }
            if (!found && !IsProvided(name))
                TVK::GetDebugger()->PrintError(
                    "Plug-in %s requires the interface %s, which nothing provides\n",
                    ClassNameOf(self).c_str(), name.c_str());
        }
    }

    auto isStarted = [this](BaseObject* object) {
        return std::any_of(m_started.begin(), m_started.end(),
                           [object](const auto& started) { return started.Get() == object; });
    };
    while (!pending.empty()) {
        auto ready = std::find_if(pending.begin(), pending.end(), [&](const Pending& entry) {
            return std::all_of(entry.providers.begin(), entry.providers.end(), isStarted);
        });
        if (ready == pending.end()) {
            ready = pending.begin();
            TVK::GetDebugger()->PrintError(
                "Plug-ins require each other's interfaces; initialising %s before its providers\n",
                ClassNameOf(ready->plugin.Get()).c_str());
        }
        Pointer<StaticInstancePlugin> plugin = std::move(ready->plugin);
        pending.erase(ready);
        m_started.push_back(plugin);
        plugin->Initialize();
    }
}

void PluginHost::OnFrameChange(int newFrame, int oldFrame) {
    for (const auto& listener : m_frameListeners)
        listener->OnFrameChange(newFrame, oldFrame);
}

void PluginHost::ShutDownPlugins() {
    for (auto started = m_started.rbegin(); started != m_started.rend(); ++started)
        (*started)->Shutdown();
    m_started.clear();
}

void PluginHost::ReleasePlugins() {
    for (auto published = m_published.rbegin(); published != m_published.rend(); ++published)
        GetSharedObjects()->RemoveObject(*published);
    m_frameListeners.clear();
    m_published.clear();
    m_plugins.clear();
}
