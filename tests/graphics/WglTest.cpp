#include "BitmapGL.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The descriptor the scene views ask for.
PIXELFORMATDESCRIPTOR WindowRequest()
{
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(pfd);
    pfd.nVersion = 1;
    pfd.dwFlags = 0x1225;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 32;
    pfd.cStencilBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

void Quad(float x0, float y0, float x1, float y1, float z)
{
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
}

TEST(Wgl, PixelFormatsAreChosenDescribedAndSetOnce)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const PIXELFORMATDESCRIPTOR request = WindowRequest();
    const int nFormat = ChoosePixelFormat(&dc, &request);
    ASSERT_EQ(nFormat, 1);
    PIXELFORMATDESCRIPTOR described{};
    EXPECT_EQ(DescribePixelFormat(&dc, nFormat, sizeof(described), &described), 2);
    EXPECT_EQ(described.nSize, sizeof(PIXELFORMATDESCRIPTOR));
    EXPECT_EQ(described.dwFlags & 0x1225u, 0x1225u);
    EXPECT_EQ(described.iPixelType, PFD_TYPE_RGBA);
    EXPECT_EQ(described.cColorBits, 32);
    EXPECT_EQ(described.cDepthBits, 24);
    EXPECT_EQ(described.cStencilBits, 8);

    EXPECT_EQ(GetPixelFormat(&dc), 0);
    EXPECT_TRUE(SetPixelFormat(&dc, nFormat, &request));
    EXPECT_EQ(GetPixelFormat(&dc), 1);
    EXPECT_TRUE(SetPixelFormat(&dc, 1, &request));
    EXPECT_FALSE(SetPixelFormat(&dc, 2, &request));

    PIXELFORMATDESCRIPTOR bitmapRequest = request;
    bitmapRequest.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL;
    EXPECT_EQ(ChoosePixelFormat(&dc, &bitmapRequest), 2);
}

TEST(Wgl, BadHandlesAnswerFalseOrNull)
{
    const PIXELFORMATDESCRIPTOR request = WindowRequest();
    PIXELFORMATDESCRIPTOR described{};
    EXPECT_EQ(ChoosePixelFormat(nullptr, &request), 0);
    EXPECT_FALSE(SetPixelFormat(nullptr, 1, &request));
    EXPECT_EQ(DescribePixelFormat(nullptr, 1, sizeof(described), &described), 0);
    EXPECT_EQ(wglCreateContext(nullptr), nullptr);
    EXPECT_FALSE(SwapBuffers(nullptr));
    EXPECT_FALSE(wglDeleteContext(nullptr));

    CDC noFormat;
    noFormat.CreateCompatibleDC(nullptr);
    EXPECT_FALSE(SetPixelFormat(&noFormat, 3, &request));
    EXPECT_EQ(DescribePixelFormat(&noFormat, 3, sizeof(described), &described), 0);
    EXPECT_EQ(wglCreateContext(&noFormat), nullptr);
    EXPECT_FALSE(SwapBuffers(&noFormat));

    BitmapGL gl(4, 4);
    ASSERT_NE(gl.rc(), nullptr);
    EXPECT_FALSE(wglMakeCurrent(&noFormat, gl.rc()));
    EXPECT_FALSE(wglMakeCurrent(nullptr, gl.rc()));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);

    CDC uncreated;
    EXPECT_EQ(wglCreateContext(&uncreated), nullptr);

    // A context only renders on DCs of its own pixel format.
    CDC otherFormat;
    otherFormat.CreateCompatibleDC(nullptr);
    SetPixelFormat(&otherFormat, 1, &request);
    EXPECT_FALSE(wglMakeCurrent(&otherFormat, gl.rc()));

    HGLRC hDeleted = wglCreateContext(&otherFormat);
    ASSERT_NE(hDeleted, nullptr);
    EXPECT_TRUE(wglDeleteContext(hDeleted));
    EXPECT_FALSE(wglDeleteContext(hDeleted));
    EXPECT_FALSE(wglMakeCurrent(&otherFormat, hDeleted));
}

TEST(Wgl, RendersIntoTheSelectedBitmapTopRowFirst)
{
    BitmapGL gl(8, 6);
    ASSERT_TRUE(gl.MakeCurrent());
    EXPECT_EQ(wglGetCurrentContext(), gl.rc());
    EXPECT_EQ(wglGetCurrentDC(), &gl.dc());
    glClearColor(0.0f, 0.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 0.0f, 0.0f);
    Quad(-1.0f, 0.0f, 1.0f, 1.0f, 0.0f);  // the upper half

    // GDI waits for OpenGL's work to finish and sees the same pixels.
    EXPECT_EQ(gl.dc().GetPixel(0, 0), kRed);
    EXPECT_EQ(gl.dc().GetPixel(7, 2), kRed);
    EXPECT_EQ(gl.dc().GetPixel(0, 3), kBlue);
    EXPECT_EQ(gl.dc().GetPixel(7, 5), kBlue);

    // GDI drawing after OpenGL's stays, also through SwapBuffers.
    gl.dc().FillSolidRect(0, 5, 8, 1, kGreen);
    EXPECT_TRUE(SwapBuffers(&gl.dc()));
    EXPECT_EQ(gl.dc().GetPixel(0, 5), kGreen);
    EXPECT_EQ(gl.dc().GetPixel(0, 4), kBlue);
}

TEST(Wgl, AContextFollowsANewlySelectedBitmap)
{
    BitmapGL gl(4, 4);
    ASSERT_TRUE(gl.MakeCurrent());
    CBitmap other;
    other.CreateCompatibleBitmap(&gl.dc(), 2, 2);
    CBitmap* pFirst = gl.dc().SelectObject(&other);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(gl.dc().GetPixel(1, 1), kGreen);
    gl.dc().SelectObject(pFirst);
    EXPECT_EQ(gl.dc().GetPixel(3, 3), RGB(0, 0, 0));
}

TEST(Wgl, OneContextIsCurrentAtATimeAndEachKeepsItsOwnLists)
{
    BitmapGL first(4, 4);
    BitmapGL second(4, 4);
    ASSERT_TRUE(first.MakeCurrent());
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glNewList(7, GL_COMPILE);
    glEndList();
    EXPECT_TRUE(glIsList(7));

    ASSERT_TRUE(second.MakeCurrent());
    EXPECT_EQ(wglGetCurrentContext(), second.rc());
    EXPECT_FALSE(glIsList(7));
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    EXPECT_EQ(first.dc().GetPixel(2, 2), kRed);
    EXPECT_EQ(second.dc().GetPixel(2, 2), kGreen);
    ASSERT_TRUE(first.MakeCurrent());
    EXPECT_TRUE(glIsList(7));

    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglGetCurrentDC(), nullptr);
    EXPECT_EQ(glGetString(GL_VERSION), nullptr);  // GL calls now go nowhere
}

TEST(Wgl, DeletingTheCurrentContextOrItsDCReleasesIt)
{
    {
        BitmapGL gl(4, 4);
        ASSERT_TRUE(gl.MakeCurrent());
        EXPECT_TRUE(wglDeleteContext(gl.rc()));
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
    }
    auto pDC = std::make_unique<CDC>();
    pDC->CreateCompatibleDC(nullptr);
    const PIXELFORMATDESCRIPTOR request = WindowRequest();
    SetPixelFormat(pDC.get(), 2, &request);
    HGLRC hRC = wglCreateContext(pDC.get());
    ASSERT_TRUE(wglMakeCurrent(pDC.get(), hRC));
    pDC.reset();
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_TRUE(wglDeleteContext(hRC));
}

// Two quads under the pick point, the nearer one named 2: the pick finds it,
// as the scene views pick.
TEST(Wgl, SelectionModeFindsTheNearerOfTwoQuads)
{
    BitmapGL gl(40, 30);
    ASSERT_TRUE(gl.MakeCurrent());
    glEnable(GL_DEPTH_TEST);
    GLuint buffer[64] = {};
    glSelectBuffer(64, buffer);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 40);
    EXPECT_EQ(viewport[3], 30);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glRenderMode(GL_SELECT);
    glLoadIdentity();
    gluPickMatrix(20.0, 30.0 - 15.0, 2.0, 2.0, viewport);
    gluPerspective(45.0, 40.0 / 30.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glInitNames();
    glPushName(0);
    glLoadName(1);
    Quad(-1.0f, -1.0f, 1.0f, 1.0f, -20.0f);  // far
    glLoadName(2);
    Quad(-1.0f, -1.0f, 1.0f, 1.0f, -5.0f);  // near
    glLoadName(3);
    Quad(5.0f, 5.0f, 6.0f, 6.0f, -5.0f);  // beside the point
    const GLint nHits = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);

    ASSERT_EQ(nHits, 2);
    GLuint nNearest = 0, nMinDepth = 0xFFFFFFFF;
    for (int i = 0; i < nHits; ++i) {
        ASSERT_EQ(buffer[i * 4], 1u);
        if (buffer[i * 4 + 1] < nMinDepth) {
            nMinDepth = buffer[i * 4 + 1];
            nNearest = buffer[i * 4 + 3];
        }
    }
    EXPECT_EQ(nNearest, 2u);
}

TEST(Wgl, SeventeenHitsOverflowTheSixtyFourWordBuffer)
{
    BitmapGL gl(10, 10);
    ASSERT_TRUE(gl.MakeCurrent());
    GLuint buffer[64] = {};
    glSelectBuffer(64, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    for (GLuint i = 1; i <= 17; ++i) {
        glLoadName(i);
        Quad(-1.0f, -1.0f, 1.0f, 1.0f, 0.0f);
    }
    EXPECT_LT(glRenderMode(GL_RENDER), 0);
}

}  // namespace
