#pragma once

#include "core/MDIChildWnd.h"
#include "core/VirtualDC.h"

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

// An MDI child frame whose Redraw draws into an off-screen bitmap of the
// client size; painting only copies that bitmap to the window.
class OffscreenFrame : public MDIChildWnd, public VirtualDC {
  protected:
    OffscreenFrame() = default;

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnPaint() override;
    // A new bitmap of the new size, drawn and shown at once.
    void OnSize(UINT nType, int cx, int cy) override;

    // Where Redraw draws.
    CDC m_memDC;

  private:
    CBitmap* m_pBitmap = nullptr;
};
