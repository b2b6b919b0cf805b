#include "platform/gdi/CClientDC.h"

#include "platform/CWnd.h"

#include <QWidget>

CClientDC::CClientDC(CWnd* pWnd) : m_pWnd(pWnd), m_pWidget(pWnd ? pWnd->GetWidget() : nullptr) {}

CClientDC::~CClientDC() {
    ReleaseGLSurface();
    if (m_bPresentWhenDone && IsCreated())
        m_pWnd->PresentSurface();
}

CWnd* CClientDC::GetWindow() const {
    return IsCreated() ? m_pWnd : nullptr;
}

bool CClientDC::IsCreated() const {
    // Asked through the widget, so that a DC that outlived its window object
    // never touches it.
    return m_pWidget && CWnd::FromWidget(m_pWidget) == m_pWnd;
}

QImage* CClientDC::GetTarget() {
    return IsCreated() ? &m_pWnd->GetSurface() : nullptr;
}

HDC GetDC(HWND hWnd) {
    if (!hWnd || !hWnd->GetSafeHwnd())
        return nullptr;
    auto* pDC = new CClientDC(hWnd);
    pDC->m_bFromGetDC = true;
    return pDC;
}

int ReleaseDC(HWND hWnd, HDC hDC) {
    auto* pClientDC = dynamic_cast<CClientDC*>(hDC);
    if (!pClientDC || !pClientDC->m_bFromGetDC || !hWnd || pClientDC->m_pWnd != hWnd)
        return 0;
    delete pClientDC;
    return 1;
}
