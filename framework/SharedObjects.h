#pragma once

#include "framework/Pointer.h"
#include "framework/SharedObject.h"

#include <vector>

// Process-wide registry of published services, found by display name.
class SharedObjects {
  public:
    void AddObject(Pointer<SharedObject> object);
    void RemoveObject(Pointer<SharedObject> object);
    // The object published under the exact name, or an empty handle. When one
    // name was published twice the later publication is answered.
    Pointer<SharedObject> GetObjectA(const String& name);
    std::vector<Pointer<SharedObject>> GetObjects() const { return m_objects; }
    void RemoveAll() { m_objects.clear(); }

  private:
    std::vector<Pointer<SharedObject>> m_objects;
};

SharedObjects* GetSharedObjects();
