#pragma once

#include "framework/Exception.h"

// Thrown (as a pointer) when no class is registered under a name.
class ClassNotFoundException : public Exception {
  public:
    explicit ClassNotFoundException(const String& className)
        : Exception(String("Class not found: " + className.str())) {}
};
