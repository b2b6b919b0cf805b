#pragma once

#include "core/ModuleExports.h"
#include "views/Semaphore.h"

#include "framework/BaseObject.h"
#include "platform/CWnd.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gl/WglDefs.h"

class OGLFrame;

// The OpenGL child window the scene views derive from. It owns the window's
// own device context and rendering context, and brackets every use of the
// context with CaptureRC/ReleaseRC: one semaphore shared by every OGLWnd of
// the process makes sure that exactly one context is current at a time.
// Exported with its members, so that other modules can derive views.
class QUENDA_EXPORT OGLWnd : public CWnd, public virtual BaseObject {
  public:
    // Values of m_nProjection.
    enum Projection { kNone = 0, kPerspective = 1, kOrthographic = 2 };

    OGLWnd();
    ~OGLWnd() override;

    const RTTIClass* GetClass() const override = 0;
    void* FindInterface(const char* name) override { return FindOGLWndInterface(name); }

    using CWnd::Create;
    // Creates the window over the parent frame's whole client area; non-zero
    // on success.
    int Create(OGLFrame* parent);

    // Waits for the process-wide semaphore, then makes this window's context
    // current. Not re-entrant: code that holds it must not call it again.
    void CaptureRC();
    void ReleaseRC();

    void SetDCPixelFormat(HDC hdc);
    // For the views' ResizeScene: set the projection and the viewport.
    void SetPerspective(int cx, int cy);
    // One scene unit covers 25 pixels.
    void SetOrtho(int cx, int cy);

    // The selection name of the object drawn nearest to the viewer under a
    // client point, or -1 for none (and when the selection buffer overflowed).
    int DetermineSelection(CPoint point);
    bool IsInSelectionMode() const { return m_bSelectionMode; }

    // Null while no OGLWnd object exists.
    static Semaphore* m_hRCSema;
    static int m_nWndCount;

  protected:
    // Each is called with the window's context current and the semaphore held.
    virtual void InitializeScene() = 0;
    // Draws the whole scene into the current buffer, for painting and picking.
    virtual void DrawScene() = 0;
    // After every size change; sets the projection.
    virtual void ResizeScene(int cx, int cy) = 0;

    // The names this base answers, in their order, for the FindInterface of
    // the views built on it.
    void* FindOGLWndInterface(const char* name);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;

    HDC m_hDC = nullptr;
    HGLRC m_hRC = nullptr;
    // No palette: every pixel format offered here is true-colour RGBA.
    bool m_bSelectionMode = false;
    int m_nProjection = kNone;
};
