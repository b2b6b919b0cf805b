#include "BitmapGL.h"

#include "platform/gdi/CFont.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr GLuint kListBase = 1000;

// A bitmap context with the font the scene views build their lists from.
class FontOutlines : public ::testing::Test {
  protected:
    void SetUp() override {
        m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Impact");
        m_gl.dc().SelectObject(&m_font);
        ASSERT_TRUE(m_gl.MakeCurrent());
    }

    // Draws list nList seen from the front (or, turned about the vertical
    // axis through the middle of a glyph, from another side) in an
    // orthographic box around it; returns the number of pixels it covers in
    // the current context's bitmap (pGL, or the fixture's).
    int CoveredPixels(GLuint nList, float fYaw = 0.0f, BitmapGL* pGL = nullptr) {
        CDC& dc = pGL ? pGL->dc() : m_gl.dc();
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.0, 1.0, -1.0, 1.0, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(fYaw, 0.0f, 1.0f, 0.0f);
        glTranslatef(-0.4f, -0.3f, 0.0f);
        glColor3f(1.0f, 1.0f, 1.0f);
        glCallList(nList);
        int nCovered = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                nCovered += dc.GetPixel(x, y) != RGB(0, 0, 0);
        return nCovered;
    }

    BitmapGL m_gl{64, 64};
    CFont m_font;
};

TEST_F(FontOutlines, AGlyphCoversPixelsAndASpaceOnlyAdvances) {
    GLYPHMETRICSFLOAT metrics[256] = {};
    ASSERT_TRUE(wglUseFontOutlines(wglGetCurrentDC(), 0, 255, kListBase, 0.0f, 0.25f,
                                   WGL_FONT_POLYGONS, metrics));
    EXPECT_TRUE(glIsList(kListBase + 254)); // a list for every character
    EXPECT_FALSE(glIsList(kListBase + 255));
    EXPECT_GT(CoveredPixels(kListBase + 'A'), 50);
    EXPECT_EQ(CoveredPixels(kListBase + ' '), 0);

    // Each list ends by moving on by the glyph's advance.
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_GT(metrics[' '].gmfCellIncX, 0.1f);
    EXPECT_FLOAT_EQ(matrix[12], -0.4f + metrics[' '].gmfCellIncX);
    EXPECT_FLOAT_EQ(matrix[13], -0.3f);
}

TEST_F(FontOutlines, ExtrusionAddsABackFaceAndSideWalls) {
    ASSERT_TRUE(
        wglUseFontOutlines(&m_gl.dc(), 'H', 1, kListBase, 0.0f, 0.25f, WGL_FONT_POLYGONS, nullptr));
    ASSERT_TRUE(wglUseFontOutlines(&m_gl.dc(), 'H', 1, kListBase + 1, 0.0f, 0.0f, WGL_FONT_POLYGONS,
                                   nullptr));
    glEnable(GL_CULL_FACE); // only faces turned towards the viewer draw

    const int nFront = CoveredPixels(kListBase);
    EXPECT_GT(nFront, 50);
    EXPECT_NEAR(CoveredPixels(kListBase, 180.0f), nFront, nFront / 10); // the back face
    EXPECT_GT(CoveredPixels(kListBase, 90.0f), 20);                     // the walls, seen edge-on
    EXPECT_EQ(CoveredPixels(kListBase + 1, 180.0f), 0);                 // flat: no back face
    glDisable(GL_CULL_FACE);
}

TEST_F(FontOutlines, EachContextAndDeviationGetsItsOwnGlyph) {
    ASSERT_TRUE(
        wglUseFontOutlines(&m_gl.dc(), 'O', 1, kListBase, 0.0f, 0.0f, WGL_FONT_POLYGONS, nullptr));
    ASSERT_TRUE(wglUseFontOutlines(&m_gl.dc(), 'O', 1, kListBase + 1, 0.2f, 0.0f, WGL_FONT_POLYGONS,
                                   nullptr));
    const int nFine = CoveredPixels(kListBase);
    EXPECT_NE(CoveredPixels(kListBase + 1), nFine); // coarser curves, another shape

    BitmapGL other{64, 64};
    other.dc().SelectObject(&m_font);
    ASSERT_TRUE(other.MakeCurrent());
    ASSERT_TRUE(
        wglUseFontOutlines(&other.dc(), 'O', 1, kListBase, 0.0f, 0.0f, WGL_FONT_POLYGONS, nullptr));
    EXPECT_EQ(CoveredPixels(kListBase, 0.0f, &other), nFine);
}

TEST_F(FontOutlines, RefusesBadArguments) {
    EXPECT_FALSE(
        wglUseFontOutlines(nullptr, 0, 1, kListBase, 0.0f, 0.0f, WGL_FONT_POLYGONS, nullptr));
    EXPECT_FALSE(
        wglUseFontOutlines(&m_gl.dc(), 0, 1, kListBase, 0.0f, -1.0f, WGL_FONT_POLYGONS, nullptr));
    EXPECT_FALSE(wglUseFontOutlines(&m_gl.dc(), 200, 100, kListBase, 0.0f, 0.0f, WGL_FONT_POLYGONS,
                                    nullptr));
    EXPECT_FALSE(glIsList(kListBase));
    wglMakeCurrent(nullptr, nullptr);
    EXPECT_FALSE(
        wglUseFontOutlines(&m_gl.dc(), 0, 1, kListBase, 0.0f, 0.0f, WGL_FONT_POLYGONS, nullptr));
}

} // namespace
