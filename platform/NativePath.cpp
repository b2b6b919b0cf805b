#include "platform/NativePath.h"

#include <algorithm>

std::string NativePath(const char* path) {
    std::string native(path ? path : "");
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}
