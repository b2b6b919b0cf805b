#pragma once

#include "framework/String.h"

#include <vector>

// One record per class: its name and the two functions through which objects
// of it are created and asked what they support. Records that name a create
// function register themselves in the process-wide registry for their lifetime.
class RTTIClass {
  public:
    using CreateFunction = void* (*)(const char* interfaceName);
    using SupportsFunction = bool (*)(const char* interfaceName);

    RTTIClass(const String& name, CreateFunction create, SupportsFunction supports);
    ~RTTIClass();
    RTTIClass(const RTTIClass&) = delete;
    RTTIClass& operator=(const RTTIClass&) = delete;

    const String& GetName() const { return m_strName; }
    CreateFunction GetCreateFunction() const { return m_pfnCreate; }
    SupportsFunction GetSupportsFunction() const { return m_pfnSupports; }

    // The record registered under the exact name, or null.
    static const RTTIClass* LookUpClass(const String& name);
    // As LookUpClass, but an absent class throws ClassNotFoundException*.
    static const RTTIClass* FindClass(const String& name);
    // Every registered record, in registration order.
    static std::vector<const RTTIClass*> GetRegisteredClasses();

  private:
    String m_strName;
    CreateFunction m_pfnCreate;
    SupportsFunction m_pfnSupports;
};
