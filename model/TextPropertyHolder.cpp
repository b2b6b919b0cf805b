#include "model/TextPropertyHolder.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"

TextPropertyHolder::TextPropertyHolder(String holderName, Properties properties)
    : m_strHolderName(std::move(holderName)), m_properties(std::move(properties)) {}

const RTTIClass* TextPropertyHolder::GetClass() const {
    static const RTTIClass record("TextPropertyHolder", nullptr, nullptr);
    return &record;
}

void* TextPropertyHolder::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("PropertyHolder", static_cast<PropertyHolder*>(this))
        .Answer("TextPropertyHolder", this)
        .Result();
}

String* TextPropertyHolder::Find(const String& name) {
    for (auto& [key, value] : m_properties)
        if (key == name)
            return &value;
    return nullptr;
}

bool TextPropertyHolder::GetPropertyValue(const String& name, String& out) {
    const String* value = Find(name);
    if (!value)
        return false;
    out = *value;
    return true;
}

bool TextPropertyHolder::SetPropertyValue(const String& name, const String& value) {
    String* stored = Find(name);
    if (!stored)
        return false;
    *stored = value;
    if (m_pListener)
        m_pListener->OnPropertyChanged(name);
    return true;
}

bool TextPropertyHolder::HasProperty(const String& name) {
    return Find(name) != nullptr;
}

String TextPropertyHolder::GetHolderName() {
    return m_strHolderName;
}

void TextPropertyHolder::AddProperty(const String& name, const String& value) {
    if (String* stored = Find(name))
        *stored = value;
    else
        m_properties.emplace_back(name, value);
    if (m_pListener)
        m_pListener->OnPropertyChanged(name);
}

StringList TextPropertyHolder::GetPropertyNames() {
    StringList names;
    for (const auto& property : m_properties)
        names.Add(property.first);
    return names;
}
