#include "MemoryDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(GdiLine, LeavesOutTheEndPointInEveryDirection)
{
    MemoryDC memory(12, 12);
    CPen pen(PS_SOLID, 1, kRed);
    memory.dc().SelectObject(&pen);

    memory.dc().MoveTo(2, 5);
    memory.dc().LineTo(6, 5);  // right
    EXPECT_EQ(memory.Rows(5, 5, 1, 7, kRed), ".####..\n");

    MemoryDC left(12, 12);
    left.dc().SelectObject(&pen);
    left.dc().MoveTo(6, 5);
    left.dc().LineTo(2, 5);
    EXPECT_EQ(left.Rows(5, 5, 1, 7, kRed), "..####.\n");

    MemoryDC down(12, 12);
    down.dc().SelectObject(&pen);
    down.dc().MoveTo(4, 2);
    down.dc().LineTo(4, 5);
    EXPECT_EQ(down.Rows(1, 6, 4, 4, kRed), ".\n#\n#\n#\n.\n.\n");

    MemoryDC up(12, 12);
    up.dc().SelectObject(&pen);
    up.dc().MoveTo(4, 5);
    up.dc().LineTo(4, 2);
    EXPECT_EQ(up.Rows(1, 6, 4, 4, kRed), ".\n.\n#\n#\n#\n.\n");
}

TEST(GdiLine, DiagonalLeavesOutTheEndPointAndLineToItselfDrawsNothing)
{
    MemoryDC memory(8, 8);
    CPen pen(PS_SOLID, 1, kRed);
    memory.dc().SelectObject(&pen);
    memory.dc().MoveTo(1, 1);
    memory.dc().LineTo(4, 4);
    EXPECT_EQ(memory.Rows(1, 4, 1, 4, kRed), "#...\n.#..\n..#.\n....\n");

    memory.dc().MoveTo(6, 6);
    EXPECT_TRUE(memory.dc().LineTo(6, 6));
    EXPECT_EQ(memory.At(6, 6), RGB(255, 255, 255));
}

TEST(GdiLine, ClosedFigureSetsEveryCornerOnce)
{
    MemoryDC memory(8, 8);
    CPen pen(PS_SOLID, 1, kRed);
    memory.dc().SelectObject(&pen);
    memory.dc().MoveTo(1, 1);
    memory.dc().LineTo(4, 1);
    memory.dc().LineTo(4, 4);
    memory.dc().LineTo(1, 4);
    memory.dc().LineTo(1, 1);
    EXPECT_EQ(memory.Rows(0, 5, 0, 5, kRed), "......\n.####.\n.#..#.\n.#..#.\n.####.\n......\n");
}

TEST(GdiLine, DotPatternIsThreeOnThreeOffAndGoesOnAcrossLineTo)
{
    MemoryDC memory(20, 6);
    CPen pen(PS_DOT, 1, kRed);
    memory.dc().SelectObject(&pen);
    memory.dc().SetBkMode(TRANSPARENT);
    memory.dc().MoveTo(0, 1);
    memory.dc().LineTo(4, 1);
    memory.dc().LineTo(14, 1);
    EXPECT_EQ(memory.Rows(1, 1, 0, 14, kRed), "###...###...##.\n");

    // A new figure starts the pattern again.
    memory.dc().MoveTo(0, 3);
    memory.dc().LineTo(8, 3);
    EXPECT_EQ(memory.Rows(3, 3, 0, 8, kRed), "###...##.\n");
}

TEST(GdiLine, DotPatternTurnsCornersWithoutRestarting)
{
    MemoryDC memory(10, 10);
    CPen pen(PS_DOT, 1, kRed);
    memory.dc().SelectObject(&pen);
    memory.dc().SetBkMode(TRANSPARENT);
    memory.dc().MoveTo(1, 1);
    memory.dc().LineTo(5, 1);  // pattern steps 0..3: on, on, on, off
    memory.dc().LineTo(5, 5);  // steps 4..7: off, off, on, on
    EXPECT_EQ(memory.Rows(1, 5, 1, 5, kRed), "###..\n.....\n....#\n....#\n.....\n");
}

TEST(GdiLine, OpaqueBackgroundFillsTheGapsOfADottedPen)
{
    MemoryDC memory(10, 3);
    CPen pen(PS_DOT, 1, kRed);
    memory.dc().SelectObject(&pen);
    memory.dc().SetBkColor(kBlue);
    ASSERT_EQ(memory.dc().GetBkMode(), OPAQUE);
    memory.dc().MoveTo(0, 1);
    memory.dc().LineTo(7, 1);
    for (int x : {0, 1, 2, 6})
        EXPECT_EQ(memory.At(x, 1), kRed) << x;
    for (int x : {3, 4, 5})
        EXPECT_EQ(memory.At(x, 1), kBlue) << x;
    EXPECT_EQ(memory.At(7, 1), RGB(255, 255, 255));
}

TEST(GdiLine, WidthTwoPenCoversBothEndsAndTheRowAndColumnBefore)
{
    MemoryDC memory(12, 12);
    CPen pen(PS_SOLID, 2, kBlue);
    memory.dc().SelectObject(&pen);
    memory.dc().MoveTo(3, 5);
    memory.dc().LineTo(7, 5);
    EXPECT_EQ(memory.Rows(3, 6, 1, 8, kBlue), "........\n.######.\n.######.\n........\n");

    MemoryDC vertical(12, 12);
    vertical.dc().SelectObject(&pen);
    vertical.dc().MoveTo(5, 7);
    vertical.dc().LineTo(5, 4);
    EXPECT_EQ(vertical.Rows(2, 8, 3, 6, kBlue), "....\n.##.\n.##.\n.##.\n.##.\n.##.\n....\n");
}

TEST(GdiLine, WideDottedPenDrawsSolid)
{
    MemoryDC memory(12, 4);
    CPen pen(PS_DOT, 2, kRed);
    memory.dc().SelectObject(&pen);
    memory.dc().MoveTo(1, 2);
    memory.dc().LineTo(9, 2);
    EXPECT_EQ(memory.Rows(2, 2, 0, 10, kRed), "##########.\n");
}

TEST(GdiLine, LinesFarOutsideTheBitmapAreClipped)
{
    MemoryDC memory(10, 10);
    CPen pen(PS_SOLID, 1, kRed);
    memory.dc().SelectObject(&pen);
    memory.dc().MoveTo(-2000000000, 5);
    memory.dc().LineTo(2000000000, 5);
    EXPECT_EQ(memory.Rows(5, 5, 0, 9, kRed), "##########\n");
    memory.dc().MoveTo(-50, -50);
    memory.dc().LineTo(-10, 60);
    EXPECT_EQ(memory.Inked().bottom - memory.Inked().top, 1);
}

TEST(GdiRectangle, OutlinesWithThePenAndFillsWithTheBrush)
{
    MemoryDC memory(10, 10);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    memory.dc().SelectObject(&pen);
    memory.dc().SelectObject(&brush);
    memory.dc().Rectangle(1, 1, 6, 5);
    EXPECT_EQ(memory.Rows(0, 5, 0, 6, kRed), ".......\n.#####.\n.#???#.\n.#???#.\n.#####.\n.......\n");
    EXPECT_EQ(memory.At(2, 2), kBlue);
}

TEST(GdiRectangle, NullPenFillsOnePixelLessOnTheRightAndBottom)
{
    MemoryDC memory(10, 10);
    CBrush brush(kBlue);
    memory.dc().SelectStockObject(NULL_PEN);
    memory.dc().SelectObject(&brush);
    memory.dc().Rectangle(1, 1, 5, 4);
    EXPECT_EQ(memory.Inked().left, 1);
    EXPECT_EQ(memory.Inked().top, 1);
    EXPECT_EQ(memory.Inked().right, 4);
    EXPECT_EQ(memory.Inked().bottom, 3);
}

TEST(GdiRectangle, NullBrushOnlyOutlines)
{
    MemoryDC memory(10, 10);
    memory.dc().SelectStockObject(NULL_BRUSH);
    memory.dc().Rectangle(1, 1, 6, 6);
    EXPECT_EQ(memory.At(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(memory.At(3, 3), RGB(255, 255, 255));
}

}  // namespace
