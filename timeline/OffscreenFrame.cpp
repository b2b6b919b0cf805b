#include "timeline/OffscreenFrame.h"

#include "platform/gdi/CClientDC.h"
#include "platform/gdi/CPaintDC.h"

int OffscreenFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (MDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CClientDC clientDC(this);
    m_memDC.CreateCompatibleDC(&clientDC);
    return 0;
}

void OffscreenFrame::OnDestroy() {
    MDIChildWnd::OnDestroy();
    CBitmap placeholder;
    placeholder.CreateBitmap(1, 1, 1, 1, nullptr);
    if (CBitmap* pDisplaced = m_memDC.SelectObject(&placeholder))
        pDisplaced->DeleteObject();
    delete m_pBitmap;
    m_pBitmap = nullptr;
    m_memDC.DeleteDC();
    placeholder.DeleteObject();
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
