#pragma once

#include <string>

// Paths written the Windows way, with '\' between folders, mean the same path
// with '/' on this system; every file function of the layer accepts both.
std::string NativePath(const char* path);
