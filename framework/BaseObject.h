#pragma once

#include <cstdint>

class RTTIClass;

// The virtual base of every framework object, every interface and every plug-in
// class, so that an object has exactly one reference count however many
// interfaces it implements.
class BaseObject {
  public:
    BaseObject() = default;
    BaseObject(const BaseObject&) : m_nRefCount(0) {}
    BaseObject& operator=(const BaseObject&) { return *this; }

    virtual const RTTIClass* GetClass() const;
    virtual void* FindInterface(const char* name);
    virtual ~BaseObject();

    void AddRef() { ++m_nRefCount; }
    // Destroys the object when the count was 1.
    void Release();
    std::int32_t GetRefCount() const { return m_nRefCount; }

  private:
    std::int32_t m_nRefCount = 0;
};
