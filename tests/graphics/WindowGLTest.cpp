#include "BitmapGL.h"

#include "platform/CWnd.h"
#include "platform/gdi/CClientDC.h"
#include "platform/gdi/CPaintDC.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;

// A top-level window with its own DC, pixel format and rendering context, as
// the scene views set theirs up.
class GLWindow : public CWnd {
  public:
    bool Make(int nWidth, int nHeight, DWORD dwStyle = 0) {
        if (!CreateEx(0, nullptr, "GL", dwStyle, RECT{0, 0, nWidth, nHeight}, nullptr, 0))
            return false;
        m_hDC = GetDC(this);
        const PIXELFORMATDESCRIPTOR pfd =
            FormatRequest(PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER);
        SetPixelFormat(m_hDC, ChoosePixelFormat(m_hDC, &pfd), &pfd);
        m_hRC = wglCreateContext(m_hDC);
        return m_hRC != nullptr;
    }
    ~GLWindow() override {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(m_hRC);
        ReleaseDC(this, m_hDC);
    }

    BOOL MakeCurrent() { return wglMakeCurrent(m_hDC, m_hRC); }
    QRgb SurfaceAt(int x, int y) { return GetSurface().pixel(x, y); }

    HDC m_hDC = nullptr;
    HGLRC m_hRC = nullptr;
    bool m_bRenderOnPaint = false;
    QRgb m_clearColour = kGreen;
    int m_nPaints = 0;

  protected:
    BOOL OnEraseBkgnd(CDC*) override { return TRUE; }
    void OnPaint() override {
        CPaintDC dc(this);
        if (!m_bRenderOnPaint)
            return;
        ++m_nPaints;
        MakeCurrent();
        ClearTo(qRed(m_clearColour) / 255.0f, qGreen(m_clearColour) / 255.0f,
                qBlue(m_clearColour) / 255.0f);
        SwapBuffers(m_hDC);
        wglMakeCurrent(nullptr, nullptr);
    }
};

class WindowGL : public ::testing::Test {
  protected:
    void TearDown() override {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(WindowGL, SwapBuffersPutsThePictureTheRightWayUpIntoTheSurface) {
    GLWindow wnd;
    ASSERT_TRUE(wnd.Make(64, 48));
    ASSERT_TRUE(wnd.MakeCurrent());
    glClearColor(0.0f, 0.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 0.0f, 0.0f);
    Quad(-1.0f, 0.0f, 0.0f, 1.0f); // top left

    // Nothing shows before the swap: the picture is in the back buffer.
    EXPECT_EQ(wnd.SurfaceAt(0, 0), 0xFFFFFFFF);
    ASSERT_TRUE(SwapBuffers(wnd.m_hDC));
    EXPECT_EQ(wnd.SurfaceAt(0, 0), kRed);
    EXPECT_EQ(wnd.SurfaceAt(31, 23), kRed);
    EXPECT_EQ(wnd.SurfaceAt(32, 24), kBlue); // opaque, whatever alpha was cleared to
}

TEST_F(WindowGL, TheBufferFollowsTheClientSize) {
    GLWindow wnd;
    ASSERT_TRUE(wnd.Make(40, 30));
    ASSERT_TRUE(wnd.MakeCurrent());
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(CSize(viewport[2], viewport[3]), CSize(40, 30));
    wglMakeCurrent(nullptr, nullptr);

    wnd.MoveWindow(0, 0, 100, 80);
    RECT client{};
    wnd.GetClientRect(&client);
    ASSERT_EQ(client.right, 100);
    ASSERT_TRUE(wnd.MakeCurrent());
    ClearTo(1.0f, 0.0f, 0.0f);
    SwapBuffers(wnd.m_hDC);
    EXPECT_EQ(wnd.SurfaceAt(99, 79), kRed);

    // Smaller again: the copy never runs past the surface.
    wnd.MoveWindow(0, 0, 20, 10);
    EXPECT_TRUE(SwapBuffers(wnd.m_hDC));
    ASSERT_TRUE(wnd.MakeCurrent());
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_TRUE(SwapBuffers(wnd.m_hDC));
    EXPECT_EQ(wnd.SurfaceAt(19, 9), kRed);
}

TEST_F(WindowGL, PaintingSwapsInsideOnPaintAndRepaintsOnce) {
    GLWindow wnd;
    wnd.m_bRenderOnPaint = true;
    ASSERT_TRUE(wnd.Make(32, 32, WS_VISIBLE));
    QWindow* pWindow = wnd.GetWidget()->windowHandle();
    ASSERT_NE(pWindow, nullptr);
    for (int i = 0; i < 500 && !pWindow->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(pWindow->isExposed());
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.SurfaceAt(5, 5), kGreen);
    const int nPaints = wnd.m_nPaints;
    ASSERT_GE(nPaints, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(wnd.m_nPaints, nPaints); // presenting from OnPaint asks for no new paint

    wnd.m_clearColour = kBlue;
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.GetWidget()->grab().toImage().pixel(5, 5), kBlue);
}

TEST_F(WindowGL, ADCOfAnUncreatedDestroyedOrOtherWindowDrawsAndReleasesNothing) {
    GLWindow wnd, other;
    ASSERT_TRUE(wnd.Make(8, 8));
    ASSERT_TRUE(other.Make(8, 8));
    CWnd uncreated;
    EXPECT_EQ(GetDC(&uncreated), nullptr);
    CClientDC none(&uncreated);
    EXPECT_EQ(none.GetSafeHdc(), nullptr);
    EXPECT_FALSE(none.LineTo(5, 5));
    EXPECT_EQ(CClientDC(nullptr).GetPixel(0, 0), CLR_INVALID);
    EXPECT_EQ(ReleaseDC(&other, wnd.m_hDC), 0);
    CClientDC local(&wnd);
    EXPECT_EQ(ReleaseDC(&wnd, &local), 0);

    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, nullptr, "DC", 0, RECT{0, 0, 30, 20}, nullptr, 0));
    CClientDC gone(&plain);
    plain.DestroyWindow();
    EXPECT_EQ(gone.GetSafeHdc(), nullptr);
    EXPECT_EQ(gone.GetWindow(), nullptr);
    EXPECT_EQ(gone.SetPixel(1, 1, 0), CLR_INVALID);
}

} // namespace
