#include "core/MDIChildUpdater.h"

#include "core/ModuleExports.h"

#include "framework/InterfaceQuery.h"

CORVANE_REGISTER_CLASS(MDIChildUpdater)

void* MDIChildUpdater::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("NotifyFrameChange", static_cast<NotifyFrameChange*>(this))
        .Answer("MDIChildUpdater", this)
        .Result();
}

void MDIChildUpdater::OnFrameChange(int, int) {
    UpdateAllMDIChildWindows();
}
