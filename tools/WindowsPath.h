#pragma once

#include <algorithm>
#include <string>

// A path as the batch file and the resource script write it, with '\\'
// separators, as this system's file functions take it.
inline std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}
