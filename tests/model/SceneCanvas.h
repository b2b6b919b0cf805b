#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gl/Wgl.h"

#include <cstdint>
#include <vector>

// An OpenGL picture made the way the tool's windows make theirs: a memory DC
// with a bitmap, a pixel format, a WGL context, and the outline-font display
// lists 1000 to 1254 of every OpenGL window. The camera is the front view's:
// 25 pixels a unit, looking along -z, the origin in the middle.
class SceneCanvas {
  public:
    SceneCanvas(int width, int height);
    ~SceneCanvas();

    // Clears, sets the front view's projection and view, and leaves the
    // model-view matrix current for drawing.
    void BeginFrontView();
    // The colour at a pixel, x from the left and y from the top.
    std::uint32_t Pixel(int x, int y);
    // The selection names hit at a pixel by whatever draw() draws with the
    // front view's set-up in selection mode, nearest first; -1 on overflow.
    template <class Draw> std::vector<int> Pick(int x, int y, Draw draw);

    static int Red(std::uint32_t rgb) { return rgb & 0xFF; }
    static int Green(std::uint32_t rgb) { return (rgb >> 8) & 0xFF; }
    static int Blue(std::uint32_t rgb) { return (rgb >> 16) & 0xFF; }

  private:
    void SetFrontProjection();
    std::vector<int> ReadHits(int hits);

    int m_nWidth;
    int m_nHeight;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CFont m_font;
    HGLRC m_hRC = nullptr;
    GLuint m_selection[64] = {};
};

template <class Draw> std::vector<int> SceneCanvas::Pick(int x, int y, Draw draw) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(64, m_selection);
    glRenderMode(GL_SELECT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(x, m_nHeight - y, 2, 2, viewport);
    SetFrontProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0, 0, -15);
    draw();
    return ReadHits(glRenderMode(GL_RENDER));
}
