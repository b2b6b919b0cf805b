#include "MemoryDC.h"

#include "platform/gdi/CPen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
// Figures drawn with a red pen of the given width over a white 16 x 16
// bitmap, and the picture (see MemoryDC) they leave inside view; outside it
// everything stays white.
struct Figures {
    const char* name;
    int nWidth;
    std::vector<std::vector<POINT>> figures; // MoveTo the first point, LineTo the others
    RECT view;
    const char* picture;
};

const Figures kFigures[] = {
    {"rightwards, no end point", 1, {{{2, 5}, {6, 5}}}, {1, 5, 8, 6}, ".rrrr.."},
    {"leftwards", 1, {{{6, 5}, {2, 5}}}, {1, 5, 8, 6}, "..rrrr."},
    {"downwards", 1, {{{4, 2}, {4, 5}}}, {4, 1, 5, 7}, ". r r r . ."},
    {"upwards", 1, {{{4, 5}, {4, 2}}}, {4, 1, 5, 7}, ". . r r r ."},
    {"diagonal", 1, {{{1, 1}, {4, 4}}}, {1, 1, 5, 5}, "r... .r.. ..r. ...."},
    // Half steps round away from the start.
    {"half steps", 1, {{{1, 1}, {5, 3}}}, {1, 1, 6, 4}, "r.... .rr.. ...r."},
    {"half steps back", 1, {{{5, 3}, {1, 1}}}, {1, 1, 6, 4}, ".r... ..rr. ....r"},
    {"to its own start", 1, {{{6, 6}, {6, 6}}}, {6, 6, 7, 7}, "."},
    {"closed",
     1,
     {{{1, 1}, {4, 1}, {4, 4}, {1, 4}, {1, 1}}},
     {0, 0, 6, 6},
     "...... .rrrr. .r..r. .r..r. .rrrr. ......"},
    // Width 2: both ends, and the row and column before.
    {"wide", 2, {{{3, 5}, {7, 5}}}, {1, 3, 9, 7}, "........ .rrrrrr. .rrrrrr. ........"},
    {"wide up", 2, {{{5, 7}, {5, 4}}}, {3, 2, 7, 9}, ".... .rr. .rr. .rr. .rr. .rr. ...."},
    {"far outside: clipped",
     1,
     {{{-2000000000, 5}, {2000000000, 5}}, {{-50, -50}, {-10, 60}}},
     {0, 5, 16, 6},
     "rrrrrrrrrrrrrrrr"},
};

TEST(GdiLine, DrawsThePixelsOfEveryFigure) {
    for (const Figures& drawing : kFigures) {
        SCOPED_TRACE(drawing.name);
        MemoryDC memory(16, 16);
        CPen pen(PS_SOLID, drawing.nWidth, kRed);
        memory.dc().SelectObject(&pen);
        for (const std::vector<POINT>& figure : drawing.figures) {
            memory.dc().MoveTo(figure.front().x, figure.front().y);
            for (size_t i = 1; i < figure.size(); ++i)
                EXPECT_TRUE(memory.dc().LineTo(figure[i].x, figure[i].y));
        }
        EXPECT_EQ(memory.Picture(drawing.view), drawing.picture);
        EXPECT_TRUE(memory.InkedOnlyWithin(drawing.view));
    }
}

} // namespace
