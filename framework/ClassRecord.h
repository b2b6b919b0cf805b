#pragma once

#include "framework/RTTIClass.h"

#include <new>

// Owns a class's RTTIClass, built when its library is loaded. Destroy() may
// run more than once (explicitly and again at unload); only the first counts.
class ClassRecord {
  public:
    ClassRecord(const char* name, RTTIClass::CreateFunction create,
                RTTIClass::SupportsFunction supports) {
        new (m_storage) RTTIClass(name, create, supports);
    }
    ~ClassRecord() { Destroy(); }
    ClassRecord(const ClassRecord&) = delete;
    ClassRecord& operator=(const ClassRecord&) = delete;

    void Destroy() {
        if (m_bDestroyed)
            return;
        m_bDestroyed = true;
        std::launder(reinterpret_cast<RTTIClass*>(m_storage))->~RTTIClass();
    }
    bool IsDestroyed() const { return m_bDestroyed; }
    const RTTIClass* Get() const {
        return std::launder(reinterpret_cast<const RTTIClass*>(m_storage));
    }

  private:
    alignas(RTTIClass) unsigned char m_storage[sizeof(RTTIClass)];
    bool m_bDestroyed = false;
};
