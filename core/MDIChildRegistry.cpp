#include "core/MDIChildRegistry.h"

#include "core/MDIChildWnd.h"
#include "core/ModuleExports.h"
#include "core/VirtualDC.h"
#include "views/OGLFrame.h"
#include "views/OGLWnd.h"

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
        if (auto* virtualDC = static_cast<VirtualDC*>(window->FindInterface("VirtualDC"))) {
            virtualDC->Redraw();
            window->UpdateWindow();
        } else if (auto* frame = static_cast<OGLFrame*>(window->FindInterface("OGLFrame"))) {
            // A frame left without a view has no picture to bring up to date.
            if (OGLWnd* view = frame->GetView()) {
                view->InvalidateRect(nullptr, TRUE);
                view->UpdateWindow();
            }
        } else {
            window->InvalidateRect(nullptr, TRUE);
            window->UpdateWindow();
        }
    }
}
