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
