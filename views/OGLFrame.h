#pragma once

#include "core/MDIChildWnd.h"
#include "core/ModuleExports.h"

#include "framework/String.h"

class OGLWnd;

// The MDI child frame of a scene view: it creates its one view by class name,
// lays it out (the Camera view keeps 4:3 inside a black letter-box), paints
// what the view does not cover and hands the focus on to it. Exported, so
// that other modules can open frames of their own views.
class QUENDA_EXPORT OGLFrame : public MDIChildWnd {
  public:
    // ppSelf: the creator's variable that points at this frame (MDIChildWnd).
    explicit OGLFrame(OGLFrame** ppSelf);

    void* FindInterface(const char* name) override;
    // The frame itself shows no picture but its hosted view's: UpdateView.
    void UpdateNow() override;

    // Creates the hosted view from its class record. An unknown class, a
    // class that is no OGLWnd or a window that cannot be created leaves the
    // frame without a view, showing "OpenGL services unavailable".
    void SetOGLWndClass(const String& className);
    // Repaints the view before returning.
    void UpdateView();

    // Null when there is none.
    OGLWnd* GetView() const { return m_pView; }

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;

  private:
    bool IsCameraView() const;
    void LayOutView(int cx, int cy);

    OGLWnd* m_pView = nullptr;
};
