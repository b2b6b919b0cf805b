#include "BitmapGL.h"

#include "platform/gdi/CFont.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr GLuint kBase = 1000;
constexpr GLuint kOuter = 7;

// A fresh bitmap context with the scene views' glyph lists asked for, none
// run yet: the pixels that running some lists covers there.
int Covered(const std::function<void()>& run) {
    BitmapGL gl{32, 32};
    CFont font;
    font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Impact");
    gl.dc().SelectObject(&font);
    EXPECT_TRUE(gl.MakeCurrent());
    EXPECT_TRUE(
        wglUseFontOutlines(&gl.dc(), 0, 255, kBase, 0.0f, 0.25f, WGL_FONT_POLYGONS, nullptr));
    ClearTo(0.0f, 0.0f, 0.0f);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-0.2, 1.0, -0.4, 1.0, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    run();
    int nCovered = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            nCovered += gl.dc().GetPixel(x, y) != RGB(0, 0, 0);
    return nCovered;
}

TEST(DeferredGlyphLists, AGlyphIsMadeHoweverItsListIsFirstRun) {
    static const GLushort wide = 'H';
    const std::function<void()> ways[] = {
        [] { glCallList(kBase + 'H'); },
        [] { glListBase(kBase), glCallLists(1, GL_UNSIGNED_BYTE, "H"); },
        [] { glListBase(kBase), glCallLists(1, GL_UNSIGNED_SHORT, &wide); },
        [] {
            glNewList(kOuter, GL_COMPILE), glCallList(kBase + 'H'), glEndList();
            glCallList(kOuter);
        },
        [] {
            glNewList(kOuter, GL_COMPILE_AND_EXECUTE), glListBase(kBase);
            glCallLists(1, GL_UNSIGNED_BYTE, "H"), glEndList();
        },
    };
    const int nGlyph = Covered(ways[0]);
    EXPECT_GT(nGlyph, 50);
    for (size_t i = 1; i < std::size(ways); ++i)
        EXPECT_EQ(Covered(ways[i]), nGlyph) << "way " << i;
}

TEST(DeferredGlyphLists, ADeletedOrReplacedNameIsNoLongerAGlyph) {
    EXPECT_EQ(Covered([] {
                  glDeleteLists(kBase + 'H', 1);
                  EXPECT_FALSE(glIsList(kBase + 'H'));
                  glCallList(kBase + 'H');
              }),
              0);
    EXPECT_EQ(Covered([] {
                  glNewList(kBase + 'H', GL_COMPILE), glEndList();
                  EXPECT_TRUE(glIsList(kBase + 'I'));
                  glCallList(kBase + 'H');
              }),
              0);
}

} // namespace
