#include "core/MDIChildRegistry.h"

#include "core/MDIChildWnd.h"
#include "core/ModuleExports.h"

#include "framework/Pointer.h"

GrowableArray<MDIChildWnd*>& GetMDIChildRegistry() {
    static GrowableArray<MDIChildWnd*> registry;
    return registry;
}

extern "C" QUENDA_EXPORT void RegisterMDIChildWindow(MDIChildWnd* window) {
    GetMDIChildRegistry().Add(window);
}

extern "C" QUENDA_EXPORT void UnregisterMDIChildWindow(MDIChildWnd* window) {
    GetMDIChildRegistry().RemoveAll(window);
}

// Each window has painted before the next one is visited.
extern "C" QUENDA_EXPORT void UpdateAllMDIChildWindows() {
    auto& registry = GetMDIChildRegistry();
    for (std::int32_t i = 0; i < registry.GetCount(); ++i) {
        Pointer<MDIChildWnd> window(registry[i]);
        window->UpdateNow();
    }
}
