#include "model/ScriptPropertyHolder.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"

ScriptPropertyHolder::ScriptPropertyHolder(String holderName, const StringList& scriptNames)
    : m_strHolderName(std::move(holderName)) {
    for (const String& name : scriptNames)
        m_scripts.emplace_back(name, String());
}

const RTTIClass* ScriptPropertyHolder::GetClass() const {
    static const RTTIClass record("ScriptPropertyHolder", nullptr, nullptr);
    return &record;
}

void* ScriptPropertyHolder::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("PropertyHolder", static_cast<PropertyHolder*>(this))
        .Answer("PropertyHolderScript", static_cast<PropertyHolderScript*>(this))
        .Answer("ScriptPropertyHolder", this)
        .Result();
}

String* ScriptPropertyHolder::Find(const String& name) {
    for (auto& [key, source] : m_scripts)
        if (key == name)
            return &source;
    return nullptr;
}

bool ScriptPropertyHolder::GetPropertyValue(const String& name, String& out) {
    const String* source = Find(name);
    if (!source)
        return false;
    out = *source;
    return true;
}

bool ScriptPropertyHolder::SetPropertyValue(const String& name, const String& value) {
    String* source = Find(name);
    if (!source)
        return false;
    *source = value;
    if (m_pListener)
        m_pListener->OnPropertyChanged(name);
    return true;
}

bool ScriptPropertyHolder::HasProperty(const String& name) {
    return Find(name) != nullptr;
}

String ScriptPropertyHolder::GetHolderName() {
    return m_strHolderName;
}

void ScriptPropertyHolder::AddProperty(const String& name, const String& value) {
    if (String* source = Find(name))
        *source = value;
    else
        m_scripts.emplace_back(name, value);
    if (m_pListener)
        m_pListener->OnPropertyChanged(name);
}

StringList ScriptPropertyHolder::GetPropertyNames() {
    return {};
}

StringList ScriptPropertyHolder::GetScriptNames() {
    StringList names;
    for (const auto& script : m_scripts)
        names.Add(script.first);
    return names;
}
