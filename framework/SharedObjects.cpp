#include "framework/SharedObjects.h"

#include <algorithm>

void SharedObjects::AddObject(Pointer<SharedObject> object) {
    if (object)
        m_objects.push_back(std::move(object));
}

void SharedObjects::RemoveObject(Pointer<SharedObject> object) {
    auto found = std::find(m_objects.rbegin(), m_objects.rend(), object);
    if (found != m_objects.rend())
        m_objects.erase(std::next(found).base());
}

Pointer<SharedObject> SharedObjects::GetObjectA(const String& name) {
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it)
        if ((*it)->GetSharedName() == name)
            return *it;
    return {};
}

SharedObjects* GetSharedObjects() {
    static SharedObjects registry;
    return &registry;
}
