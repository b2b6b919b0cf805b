#pragma once

#include "framework/Pointer.h"
#include "framework/SharedObjects.h"

// A published service by display name, asked for one of its interfaces
// ("Menu Manager" / "MenuManager"); empty when nothing answers.
template <class T>
Pointer<T> FindSharedService(const char* displayName, const char* interfaceName) {
    return GetSharedObjects()->GetObjectA(displayName).template As<T>(interfaceName);
}
