#include "platform/Kernel.h"

#include "platform/NativePath.h"

#include <chrono>
#include <dlfcn.h>
#include <thread>

void Sleep(DWORD dwMilliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}

HMODULE GetModuleHandleA(LPCSTR lpModuleName) {
    if (!lpModuleName)
        return nullptr;
    void* handle = dlopen(NativePath(lpModuleName).c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        return nullptr;
    // The look-up counted as one more reference; Windows hands out the module
    // without one.
    dlclose(handle);
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (!hModule || !lpProcName)
        return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(static_cast<void*>(hModule), lpProcName));
}
