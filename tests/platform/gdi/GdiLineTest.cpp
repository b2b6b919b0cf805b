#include "MemoryDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A pen's style and width, and the background mode.
struct Pen {
    int nStyle, nWidth, nBkMode;
};
constexpr Pen kSolid{PS_SOLID, 1, OPAQUE}, kDots{PS_DOT, 1, TRANSPARENT},
    kOpaqueDots{PS_DOT, 1, OPAQUE}, kWide{PS_SOLID, 2, OPAQUE}, kWideDots{PS_DOT, 2, OPAQUE};

// Figures drawn with a red pen over a white 16 x 16 bitmap, the background
// colour blue, and the picture (see MemoryDC) they leave inside view; outside
// it everything stays white.
struct Figures {
    const char* name;
    Pen pen;
    std::vector<std::vector<POINT>> figures; // MoveTo the first point, LineTo the others
    RECT view;
    const char* picture;
};

const Figures kFigures[] = {
    {"rightwards, no end point", kSolid, {{{2, 5}, {6, 5}}}, {1, 5, 8, 6}, ".rrrr.."},
    {"leftwards", kSolid, {{{6, 5}, {2, 5}}}, {1, 5, 8, 6}, "..rrrr."},
    {"downwards", kSolid, {{{4, 2}, {4, 5}}}, {4, 1, 5, 7}, ". r r r . ."},
    {"upwards", kSolid, {{{4, 5}, {4, 2}}}, {4, 1, 5, 7}, ". . r r r ."},
    {"diagonal", kSolid, {{{1, 1}, {4, 4}}}, {1, 1, 5, 5}, "r... .r.. ..r. ...."},
    // Half steps round away from the start.
    {"half steps", kSolid, {{{1, 1}, {5, 3}}}, {1, 1, 6, 4}, "r.... .rr.. ...r."},
    {"half steps back", kSolid, {{{5, 3}, {1, 1}}}, {1, 1, 6, 4}, ".r... ..rr. ....r"},
    {"to its own start", kSolid, {{{6, 6}, {6, 6}}}, {6, 6, 7, 7}, "."},
    {"closed",
     kSolid,
     {{{1, 1}, {4, 1}, {4, 4}, {1, 4}, {1, 1}}},
     {0, 0, 6, 6},
     "...... .rrrr. .r..r. .r..r. .rrrr. ......"},
    // Dots: 3 on, 3 off, going on across LineTo and round corners, anew after MoveTo.
    {"dots",
     kDots,
     {{{0, 1}, {4, 1}, {14, 1}}, {{0, 3}, {8, 3}}},
     {0, 1, 15, 4},
     "rrr...rrr...rr. ............... rrr...rr......."},
    {"corner", kDots, {{{1, 1}, {5, 1}, {5, 5}}}, {1, 1, 6, 6}, "rrr.. ..... ....r ....r ....."},
    {"opaque dots", kOpaqueDots, {{{0, 1}, {7, 1}}}, {0, 1, 8, 2}, "rrrbbbr."},
    // Width 2: both ends, and the row and column before; never dotted.
    {"wide", kWide, {{{3, 5}, {7, 5}}}, {1, 3, 9, 7}, "........ .rrrrrr. .rrrrrr. ........"},
    {"wide up", kWide, {{{5, 7}, {5, 4}}}, {3, 2, 7, 9}, ".... .rr. .rr. .rr. .rr. .rr. ...."},
    {"wide dots", kWideDots, {{{1, 2}, {9, 2}}}, {0, 1, 11, 3}, "rrrrrrrrrr. rrrrrrrrrr."},
    {"far outside: clipped",
     kSolid,
     {{{-2000000000, 5}, {2000000000, 5}}, {{-50, -50}, {-10, 60}}},
     {0, 5, 16, 6},
     "rrrrrrrrrrrrrrrr"},
};

TEST(GdiLine, DrawsThePixelsOfEveryFigure) {
    for (const Figures& drawing : kFigures) {
        SCOPED_TRACE(drawing.name);
        MemoryDC memory(16, 16);
        CPen pen(drawing.pen.nStyle, drawing.pen.nWidth, kRed);
        memory.dc().SelectObject(&pen);
        memory.dc().SetBkMode(drawing.pen.nBkMode);
        memory.dc().SetBkColor(kBlue);
        for (const std::vector<POINT>& figure : drawing.figures) {
            memory.dc().MoveTo(figure.front().x, figure.front().y);
            for (size_t i = 1; i < figure.size(); ++i)
                EXPECT_TRUE(memory.dc().LineTo(figure[i].x, figure[i].y));
        }
        EXPECT_EQ(memory.Picture(drawing.view), drawing.picture);
        EXPECT_TRUE(memory.InkedOnlyWithin(drawing.view));
    }
}

TEST(GdiRectangle, OutlinesWithThePenAndFillsWithTheBrush) {
    const struct {
        const char* name;
        bool bNullPen;   // else red
        bool bNullBrush; // else blue
        RECT rect;
        RECT view;
        const char* picture;
    } kRectangles[] = {
        {"both",
         false,
         false,
         {1, 1, 6, 5},
         {0, 0, 7, 6},
         "....... .rrrrr. .rbbbr. .rbbbr. .rrrrr. ......."},
        // Without a pen, one pixel less right and bottom.
        {"null pen", true, false, {1, 1, 5, 4}, {0, 0, 6, 5}, "...... .bbb.. .bbb.. ...... ......"},
        {"null brush", false, true, {1, 1, 4, 4}, {0, 0, 5, 5}, "..... .rrr. .r.r. .rrr. ....."},
    };
    for (const auto& drawing : kRectangles) {
        SCOPED_TRACE(drawing.name);
        MemoryDC memory(8, 8);
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        memory.dc().SelectObject(&pen);
        memory.dc().SelectObject(&brush);
        if (drawing.bNullPen)
            memory.dc().SelectStockObject(NULL_PEN);
        if (drawing.bNullBrush)
            memory.dc().SelectStockObject(NULL_BRUSH);
        EXPECT_TRUE(memory.dc().Rectangle(&drawing.rect));
        EXPECT_EQ(memory.Picture(drawing.view), drawing.picture);
        EXPECT_TRUE(memory.InkedOnlyWithin(drawing.view));
    }
}

} // namespace
