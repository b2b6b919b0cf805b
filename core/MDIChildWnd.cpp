#include "core/MDIChildWnd.h"

#include "framework/InterfaceQuery.h"

void* MDIChildWnd::FindMDIChildWndInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("MDIChildWnd", this)
        .Answer("CMDIChildWnd", static_cast<CMDIChildWnd*>(this))
        .Answer("CWnd", static_cast<CWnd*>(this))
        .Result();
}
