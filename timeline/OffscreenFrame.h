#pragma once

#include "core/MDIChildWnd.h"
#include "core/VirtualDC.h"

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

// An MDI child frame whose Redraw draws into an off-screen bitmap of the
// client size; painting only copies that bitmap to the window.
class OffscreenFrame : public MDIChildWnd, public VirtualDC {
  public:
    // Draws the off-screen picture anew, then paints the window from it.
    void UpdateNow() override;

  protected:
    template <class Frame> explicit OffscreenFrame(Frame** ppSelf) : MDIChildWnd(ppSelf) {}

    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnPaint() override;
    // A new bitmap of the new size, drawn and shown at once.
    void OnSize(UINT nType, int cx, int cy) override;

    // Makes m_memDC compatible with the window's client DC; its bitmap comes
    // with the first WM_SIZE.
    void CreateMemoryDC();
    // After the default WM_DESTROY handling: a 1 x 1 placeholder displaces the
    // bitmap, which is deleted with m_memDC's device context (and
    // pOtherDC's, when given); the placeholder goes last.
    void DestroyMemoryDC(CDC* pOtherDC = nullptr);

    // Where Redraw draws.
    CDC m_memDC;

  private:
    CBitmap* m_pBitmap = nullptr;
};
