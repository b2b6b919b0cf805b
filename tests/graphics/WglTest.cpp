#include "BitmapGL.h"
#include "MemoryDC.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// What the scene views ask for.
constexpr DWORD kViewFlags = 0x1225;

TEST(Wgl, PixelFormatsAreChosenAndSetOnce) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const PIXELFORMATDESCRIPTOR request = FormatRequest(kViewFlags);
    const int nFormat = ChoosePixelFormat(&dc, &request);
    ASSERT_EQ(nFormat, 1);
    EXPECT_TRUE(SetPixelFormat(&dc, nFormat, &request));
    EXPECT_TRUE(SetPixelFormat(&dc, 1, &request));
    EXPECT_FALSE(SetPixelFormat(&dc, 2, &request));
    const PIXELFORMATDESCRIPTOR bitmapRequest =
        FormatRequest(PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL);
    EXPECT_EQ(ChoosePixelFormat(&dc, &bitmapRequest), 2);
}

TEST(Wgl, BadHandlesAnswerFalseOrNull) {
    const PIXELFORMATDESCRIPTOR request = FormatRequest(kViewFlags);
    EXPECT_EQ(ChoosePixelFormat(nullptr, &request), 0);
    EXPECT_FALSE(wglDeleteContext(nullptr));
    CDC uncreated;
    EXPECT_EQ(wglCreateContext(&uncreated), nullptr);

    CDC noFormat;
    noFormat.CreateCompatibleDC(nullptr);
    EXPECT_FALSE(SetPixelFormat(&noFormat, 3, &request));
    EXPECT_EQ(wglCreateContext(&noFormat), nullptr);
    EXPECT_FALSE(SwapBuffers(&noFormat));

    BitmapGL gl(4, 4);
    ASSERT_NE(gl.rc(), nullptr);
    EXPECT_FALSE(wglMakeCurrent(&noFormat, gl.rc()));
    EXPECT_FALSE(wglMakeCurrent(nullptr, gl.rc()));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);

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

TEST(Wgl, RendersIntoTheSelectedBitmapTopRowFirst) {
    BitmapGL gl(8, 6);
    ASSERT_TRUE(gl.MakeCurrent());
    EXPECT_EQ(wglGetCurrentContext(), gl.rc());
    EXPECT_EQ(wglGetCurrentDC(), &gl.dc());
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(CSize(viewport[2], viewport[3]), CSize(8, 6));
    ClearTo(0.0f, 0.0f, 1.0f);
    glColor3f(1.0f, 0.0f, 0.0f);
    Quad(-1.0f, 0.0f, 1.0f, 1.0f); // the upper half

    // GDI waits for OpenGL's work to finish and sees the same pixels.
    EXPECT_EQ(Picture(gl.dc(), {0, 0, 8, 6}),
              "rrrrrrrr rrrrrrrr rrrrrrrr bbbbbbbb bbbbbbbb bbbbbbbb");

    // GDI drawing after OpenGL's stays, also through SwapBuffers.
    gl.dc().FillSolidRect(0, 5, 8, 1, kGreen);
    EXPECT_TRUE(SwapBuffers(&gl.dc()));
    EXPECT_EQ(Picture(gl.dc(), {0, 4, 8, 6}), "bbbbbbbb gggggggg");
}

TEST(Wgl, AContextFollowsANewlySelectedBitmap) {
    BitmapGL gl(4, 4);
    ASSERT_TRUE(gl.MakeCurrent());
    CBitmap other;
    other.CreateCompatibleBitmap(&gl.dc(), 2, 2);
    CBitmap* pFirst = gl.dc().SelectObject(&other);
    ClearTo(0.0f, 1.0f, 0.0f);
    EXPECT_EQ(Picture(gl.dc(), {0, 0, 2, 2}), "gg gg");
    gl.dc().SelectObject(pFirst);
    EXPECT_EQ(gl.dc().GetPixel(3, 3), RGB(0, 0, 0));
}

TEST(Wgl, OneContextIsCurrentAtATimeAndEachKeepsItsOwnLists) {
    BitmapGL first(4, 4);
    BitmapGL second(4, 4);
    ASSERT_TRUE(first.MakeCurrent());
    ClearTo(1.0f, 0.0f, 0.0f);
    glNewList(7, GL_COMPILE);
    glEndList();
    EXPECT_TRUE(glIsList(7));

    ASSERT_TRUE(second.MakeCurrent());
    EXPECT_EQ(wglGetCurrentContext(), second.rc());
    EXPECT_FALSE(glIsList(7));
    ClearTo(0.0f, 1.0f, 0.0f);

    EXPECT_EQ(first.dc().GetPixel(2, 2), kRed);
    EXPECT_EQ(second.dc().GetPixel(2, 2), kGreen);
    ASSERT_TRUE(first.MakeCurrent());
    EXPECT_TRUE(glIsList(7));

    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglGetCurrentDC(), nullptr);
    EXPECT_EQ(glGetString(GL_VERSION), nullptr); // GL calls now go nowhere
}

TEST(Wgl, DeletingTheCurrentContextOrItsDCReleasesIt) {
    {
        BitmapGL gl(4, 4);
        ASSERT_TRUE(gl.MakeCurrent());
        EXPECT_TRUE(wglDeleteContext(gl.rc()));
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
    }
    auto pDC = std::make_unique<CDC>();
    pDC->CreateCompatibleDC(nullptr);
    const PIXELFORMATDESCRIPTOR request = FormatRequest(kViewFlags);
    SetPixelFormat(pDC.get(), 2, &request);
    HGLRC hRC = wglCreateContext(pDC.get());
    ASSERT_TRUE(wglMakeCurrent(pDC.get(), hRC));
    pDC.reset();
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_TRUE(wglDeleteContext(hRC));
}

} // namespace
