#include "model/TextPropertyHolder.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"

TextPropertyHolder::TextPropertyHolder(String holderName, Properties properties)
    : m_strHolderName(std::move(holderName)) {
    auto names = std::make_shared<std::vector<String>>();
    names->reserve(properties.size());
    m_values.reserve(properties.size());
    for (auto& [name, value] : properties) {
        names->push_back(std::move(name));
        m_values.push_back(std::move(value));
    }
    m_pNames = std::move(names);
}

TextPropertyHolder::TextPropertyHolder(String holderName, Names names, std::vector<String> values)
    : m_strHolderName(std::move(holderName)), m_pNames(std::move(names)),
      m_values(std::move(values)) {}

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
    const std::vector<String>& names = *m_pNames;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return &m_values[i];
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
    if (String* stored = Find(name)) {
        *stored = value;
    } else {
        auto names = std::make_shared<std::vector<String>>(*m_pNames);
        names->push_back(name);
        m_pNames = std::move(names);
        m_values.push_back(value);
    }
    if (m_pListener)
        m_pListener->OnPropertyChanged(name);
}

StringList TextPropertyHolder::GetPropertyNames() {
    StringList names;
    for (const String& name : *m_pNames)
        names.Add(name);
    return names;
}
