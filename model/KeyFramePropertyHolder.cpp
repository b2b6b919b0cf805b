#include "model/KeyFramePropertyHolder.h"

#include "model/PropertyText.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"

#include <memory>
#include <new>

Pointer<KeyFramePropertyHolder> KeyFramePropertyHolder::Create(String holderName, Names names) {
    static_assert(sizeof(KeyFramePropertyHolder) % alignof(double) == 0);
    void* block = ::operator new(sizeof(KeyFramePropertyHolder) + names->size() * sizeof(double));
    try {
        return Pointer<KeyFramePropertyHolder>(
            new (block) KeyFramePropertyHolder(std::move(holderName), std::move(names)));
    } catch (...) {
        ::operator delete(block);
        throw;
    }
}

KeyFramePropertyHolder::KeyFramePropertyHolder(String holderName, Names names)
    : m_strHolderName(std::move(holderName)), m_pNames(std::move(names)), m_nSize(m_pNames->size()),
      m_changes(reinterpret_cast<double*>(this + 1)) {
    std::uninitialized_fill_n(m_changes, m_nSize, 0.0);
}

// One record for every key frame group, so that the key frame handlers pair
// the holders of two key frames by class.
const RTTIClass* KeyFramePropertyHolder::GetClass() const {
    static const RTTIClass record("KeyFramePropertyHolder", nullptr, nullptr);
    return &record;
}

void* KeyFramePropertyHolder::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("PropertyHolder", static_cast<PropertyHolder*>(this))
        .Answer("PropertyHolderForKeyFrame", static_cast<PropertyHolderForKeyFrame*>(this))
        .Answer("KeyFramePropertyHolder", this)
        .Result();
}

double* KeyFramePropertyHolder::Find(const String& name) {
    const std::vector<String>& names = *m_pNames;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return &m_changes[i];
    return nullptr;
}

bool KeyFramePropertyHolder::GetPropertyValue(const String& name, String& out) {
    const double* change = Find(name);
    if (!change)
        return false;
    out = PropertyText::FromNumber(*change);
    return true;
}

bool KeyFramePropertyHolder::SetPropertyValue(const String& name, const String& value) {
    double* change = Find(name);
    if (!change)
        return false;
    *change = PropertyText::ToNumber(value);
    Notify(name);
    return true;
}

bool KeyFramePropertyHolder::HasProperty(const String& name) {
    return Find(name) != nullptr;
}

String KeyFramePropertyHolder::GetHolderName() {
    return m_strHolderName;
}

void KeyFramePropertyHolder::AddProperty(const String&, const String&) {}

StringList KeyFramePropertyHolder::GetPropertyNames() {
    StringList names;
    for (const String& name : *m_pNames)
        names.Add(name);
    return names;
}

double KeyFramePropertyHolder::GetChange(const String& name) {
    const double* change = Find(name);
    return change ? *change : 0.0;
}

void KeyFramePropertyHolder::SetChange(const String& name, double change) {
    if (double* stored = Find(name)) {
        *stored = change;
        Notify(name);
    }
}

void KeyFramePropertyHolder::SetChangeAt(size_t index, double change) {
    m_changes[index] = change;
    Notify((*m_pNames)[index]);
}

StringList KeyFramePropertyHolder::GetChangedNames() {
    StringList names;
    for (size_t i = 0; i < m_nSize; ++i)
        if (m_changes[i] != 0.0)
            names.Add((*m_pNames)[i]);
    return names;
}

// Holders are paired by class, so the previous holder may belong to another
// group: only the names this holder animates are taken over.
void KeyFramePropertyHolder::OnPreviousRemoved(Pointer<PropertyHolder> previous) {
    auto removed = previous.As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame");
    if (!removed)
        return;
    for (const String& name : removed->GetChangedNames())
        if (double* change = Find(name)) {
            *change += removed->GetChange(name);
            Notify(name);
        }
}

void KeyFramePropertyHolder::Notify(const String& name) {
    if (m_pListener)
        m_pListener->OnPropertyChanged(name);
}
