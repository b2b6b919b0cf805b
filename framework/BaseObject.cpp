#include "framework/BaseObject.h"

#include "framework/RTTIClass.h"

const RTTIClass* BaseObject::GetClass() const {
    static const RTTIClass record("BaseObject", nullptr, nullptr);
    return &record;
}

void* BaseObject::FindInterface(const char* name) {
    return name && std::string_view(name) == "BaseObject" ? this : nullptr;
}

BaseObject::~BaseObject() = default;

void BaseObject::Release() {
    if (m_nRefCount-- == 1)
        delete this;
}
