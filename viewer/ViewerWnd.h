#pragma once

#include "platform/CWnd.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gl/WglDefs.h"

// The viewer's window: the project seen through its own camera, drawn by the
// published player exactly as the authoring tool's Camera view draws it (the
// same pixel format, glyph lists, lighting set-up and projection), so that
// both show the same picture. Closing it ends the program.
class ViewerWnd : public CWnd {
  public:
    // A top-level window whose client area is width x height; FALSE when it
    // or its rendering context cannot be made.
    BOOL CreateViewer(LPCSTR lpszTitle, int nWidth, int nHeight);

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

  private:
    void SetDCPixelFormat(HDC hdc);

    HDC m_hDC = nullptr;
    HGLRC m_hRC = nullptr;
};
