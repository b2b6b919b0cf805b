#include "core/MDIChildWnd.h"

#include "framework/InterfaceQuery.h"

MDIChildWnd::MDIChildWnd(void* pOwnerPointer, ForgetFunction forget)
    : m_pOwnerPointer(pOwnerPointer), m_pfnForget(forget) {
    AddRef();
    RegisterMDIChildWindow(this);
}

MDIChildWnd::~MDIChildWnd() {
    if (m_pOwnerPointer)
        m_pfnForget(m_pOwnerPointer);
    UnregisterMDIChildWindow(this);
}

void* MDIChildWnd::FindMDIChildWndInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("MDIChildWnd", this)
        .Answer("CMDIChildWnd", static_cast<CMDIChildWnd*>(this))
        .Answer("CWnd", static_cast<CWnd*>(this))
        .Result();
}

void MDIChildWnd::UpdateNow() {
    InvalidateRect(nullptr, TRUE);
    UpdateWindow();
}
