#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gl/Wgl.h"

// A memory DC over a bitmap with the bitmap pixel format set and a rendering
// context made for it (not yet current).
class BitmapGL {
public:
    BitmapGL(int nWidth, int nHeight)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateCompatibleBitmap(&m_dc, nWidth, nHeight);
        m_dc.SelectObject(&m_bitmap);
        PIXELFORMATDESCRIPTOR pfd{};
        pfd.nSize = sizeof(pfd);
        pfd.nVersion = 1;
        pfd.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL | PFD_SUPPORT_GDI;
        pfd.cColorBits = 32;
        pfd.cDepthBits = 32;
        SetPixelFormat(&m_dc, ChoosePixelFormat(&m_dc, &pfd), &pfd);
        m_hRC = wglCreateContext(&m_dc);
    }
    ~BitmapGL()
    {
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
