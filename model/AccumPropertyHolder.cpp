#include "model/AccumPropertyHolder.h"

#include "model/PropertyText.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"

AccumPropertyHolder::AccumPropertyHolder(std::shared_ptr<const std::vector<String>> names)
    : m_pNames(std::move(names)), m_values(m_pNames->size(), 0.0) {}

const RTTIClass* AccumPropertyHolder::GetClass() const {
    static const RTTIClass record("AccumPropertyHolder", nullptr, nullptr);
    return &record;
}

void* AccumPropertyHolder::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("PropertyHolder", static_cast<PropertyHolder*>(this))
        .Answer("AccumPropertyHolder", this)
        .Result();
}

int AccumPropertyHolder::IndexOf(const String& name) const {
    const std::vector<String>& names = *m_pNames;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return static_cast<int>(i);
    return -1;
}

bool AccumPropertyHolder::GetPropertyValue(const String& name, String& out) {
    if (name == "Type") {
        out = "Accum";
        return true;
    }
    int index = IndexOf(name);
    if (index < 0)
        return false;
    out = PropertyText::FromNumber(m_values[static_cast<size_t>(index)]);
    return true;
}

bool AccumPropertyHolder::SetPropertyValue(const String&, const String&) {
    return false;
}

bool AccumPropertyHolder::HasProperty(const String& name) {
    return name == "Type" || IndexOf(name) >= 0;
}

String AccumPropertyHolder::GetHolderName() {
    return "Accum";
}

void AccumPropertyHolder::AddProperty(const String&, const String&) {}

StringList AccumPropertyHolder::GetPropertyNames() {
    StringList names{"Type"};
    for (const String& name : *m_pNames)
        names.Add(name);
    return names;
}
