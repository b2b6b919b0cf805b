#include "timeline/OffscreenFrame.h"

#include "platform/gdi/CClientDC.h"
#include "platform/gdi/CPaintDC.h"

void OffscreenFrame::CreateMemoryDC() {
    CClientDC clientDC(this);
    m_memDC.CreateCompatibleDC(&clientDC);
}

void OffscreenFrame::DestroyMemoryDC(CDC* pOtherDC) {
    CBitmap placeholder;
    placeholder.CreateBitmap(1, 1, 1, 1, nullptr);
    if (CBitmap* pDisplaced = m_memDC.SelectObject(&placeholder))
        pDisplaced->DeleteObject();
    delete m_pBitmap;
    m_pBitmap = nullptr;
    m_memDC.DeleteDC();
    if (pOtherDC)
        pOtherDC->DeleteDC();
    placeholder.DeleteObject();
}

void OffscreenFrame::UpdateNow() {
    Redraw();
    UpdateWindow();
}

BOOL OffscreenFrame::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void OffscreenFrame::OnPaint() {
    CPaintDC paintDC(this);
    CRect client;
    GetClientRect(&client);
    paintDC.BitBlt(0, 0, client.Width(), client.Height(), &m_memDC, 0, 0, SRCCOPY);
}

void OffscreenFrame::OnSize(UINT nType, int cx, int cy) {
    MDIChildWnd::OnSize(nType, cx, cy);
    CClientDC clientDC(this);
    auto* pBitmap = new CBitmap;
    pBitmap->CreateCompatibleBitmap(&clientDC, cx, cy);
    m_memDC.SelectObject(pBitmap);
    delete m_pBitmap;
    m_pBitmap = pBitmap;
    Redraw();
    UpdateWindow();
}
