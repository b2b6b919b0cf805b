#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gl/Wgl.h"

// A request for 32-bit colour, a 32-bit depth and an 8-bit stencil buffer.
inline PIXELFORMATDESCRIPTOR FormatRequest(DWORD dwFlags) {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(pfd);
    pfd.nVersion = 1;
    pfd.dwFlags = dwFlags;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 32;
    pfd.cStencilBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

inline void ClearTo(float r, float g, float b) {
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

inline void Quad(float x0, float y0, float x1, float y1, float z = 0.0f) {
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
}

// A memory DC over a bitmap with the bitmap pixel format set and a rendering
// context made for it (not yet current).
class BitmapGL {
  public:
    BitmapGL(int nWidth, int nHeight) {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateCompatibleBitmap(&m_dc, nWidth, nHeight);
        m_dc.SelectObject(&m_bitmap);
        const PIXELFORMATDESCRIPTOR pfd =
            FormatRequest(PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL | PFD_SUPPORT_GDI);
        SetPixelFormat(&m_dc, ChoosePixelFormat(&m_dc, &pfd), &pfd);
        m_hRC = wglCreateContext(&m_dc);
    }
    ~BitmapGL() {
        if (wglGetCurrentContext() == m_hRC)
            wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(m_hRC);
    }

    CDC& dc() { return m_dc; }
    HGLRC rc() const { return m_hRC; }
    BOOL MakeCurrent() { return wglMakeCurrent(&m_dc, m_hRC); }

  private:
    CDC m_dc;
    CBitmap m_bitmap;
    HGLRC m_hRC = nullptr;
};
