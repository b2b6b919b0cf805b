#pragma once

#include "platform/WinTypes.h"

// Blocks the calling thread.
void Sleep(DWORD dwMilliseconds);

// The shared library that the process has already loaded from that path (or,
// for a bare file name, under that name), or null: nothing is loaded here. The
// handle stays valid while whoever loaded the library keeps it loaded.
HMODULE GetModuleHandleA(LPCSTR lpModuleName);
// An exported function of a loaded library, or null.
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
