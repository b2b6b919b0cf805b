#pragma once

#include "framework/String.h"

// Framework exceptions are thrown and caught as pointers; the catcher deletes.
class Exception {
  public:
    explicit Exception(String description) : m_strDescription(std::move(description)) {}
    virtual ~Exception() = default;
    const String& GetDescription() const { return m_strDescription; }

  private:
    String m_strDescription;
};

class ClassNotFoundException : public Exception {
  public:
    explicit ClassNotFoundException(const String& className)
        : Exception(String("Class not found: " + className.str())) {}
};
