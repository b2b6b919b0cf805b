#include "framework/RTTIClass.h"

#include "framework/ClassNotFoundException.h"
#include "framework/Debugger.h"

#include <algorithm>

namespace {
std::vector<const RTTIClass*>& Registry() {
    // Leaked on purpose: records of plug-in libraries unregister during static
    // destruction, which may come after this translation unit's statics.
    static auto* registry = new std::vector<const RTTIClass*>;
    return *registry;
}
} // namespace

RTTIClass::RTTIClass(const String& name, CreateFunction create, SupportsFunction supports)
    : m_strName(name), m_pfnCreate(create), m_pfnSupports(supports) {
    if (!m_pfnCreate)
        return;
    auto& registry = Registry();
    bool taken = std::any_of(registry.begin(), registry.end(),
                             [&](const RTTIClass* record) { return record->m_strName == name; });
    if (taken)
        TVK::GetDebugger()->PrintError("Class \"%s\" is registered twice; the first one is used\n",
                                       name.c_str());
    registry.push_back(this);
}

RTTIClass::~RTTIClass() {
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
}

const RTTIClass* RTTIClass::LookUpClass(const String& name) {
    for (const RTTIClass* record : Registry())
        if (record->m_strName == name)
            return record;
    return nullptr;
}

const RTTIClass* RTTIClass::FindClass(const String& name) {
    if (const RTTIClass* record = LookUpClass(name))
        return record;
    throw new ClassNotFoundException(name);
}

std::vector<const RTTIClass*> RTTIClass::GetRegisteredClasses() {
    return Registry();
}
