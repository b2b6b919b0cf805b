#pragma once

#include <cstdint>
#include <memory>
#include <vector>

typedef struct osmesa_context* OSMesaContext;

class CDC;
class GLContext;
class QImage;

// The OpenGL side of a device context: the pixel format set on it and the
// pixels a context renders into while current on it.
//
// A window DC is double-buffered: OpenGL draws into a buffer of the window's
// client size (re-allocated when that size changed, the next time a context
// is made current), and SwapBuffers copies it into the window's surface. A
// memory DC is single-buffered: OpenGL's picture goes straight into the
// selected bitmap, and GDI calls wait for OpenGL's work to finish first.
// OSMesa renders into a picture of its own and copies all of it out whenever
// it finishes new work, so GDI drawing on the bitmap lasts until OpenGL next
// draws: draw with OpenGL first, then with GDI.
class GLSurface {
  public:
    explicit GLSurface(CDC& dc);
    GLSurface(const GLSurface&) = delete;
    GLSurface& operator=(const GLSurface&) = delete;
    // Releases the context current on this surface.
    ~GLSurface();

    CDC& GetDC() const { return m_dc; }
    // 0 while none is set.
    int GetPixelFormat() const { return m_nPixelFormat; }
    // A format is set once; setting the same one again succeeds.
    bool SetPixelFormat(int nPixelFormat);

    // Points OSMesa at this surface's pixels for context (GLContext only).
    bool Bind(GLContext& context, OSMesaContext handle);
    // The context current on this surface was released (GLContext only).
    void Unbound();

    // Before GDI touches a memory DC's bitmap: finishes OpenGL's rendering
    // into it.
    void FinishRendering();
    // The memory DC's bitmap changed: the current context follows it.
    void TargetChanged();
    // Finishes rendering and shows a window DC's buffer in its window.
    bool SwapBuffers();

  private:
    CDC& m_dc;
    int m_nPixelFormat = 0;
    GLContext* m_pBound = nullptr;           // the current context, when it renders here
    std::vector<std::uint32_t> m_backBuffer; // a window DC's rendering buffer
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::shared_ptr<QImage> m_pBoundImage; // a memory DC's bitmap while bound
};
