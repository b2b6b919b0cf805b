#pragma once

#include "framework/Exception.h"

// Thrown (as a pointer) when no class is registered under a name.
class ClassNotFoundException : public Exception {
  public:
    explicit ClassNotFoundException(const String& className) : Exception(Describe(className)) {}

    // The description, for callers that find a class absent without throwing.
    static String Describe(const String& className) {
        return String("Class not found: " + className.str());
    }
};
