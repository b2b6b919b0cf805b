#include "MemoryDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/FontLookup.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct ArialDC : MemoryDC {
    ArialDC() : MemoryDC(100, 60)
    {
        font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        dc().SelectObject(&font);
        dc().SetBkMode(TRANSPARENT);
    }
    CFont font;
};

RECT Offset(RECT rect, int dx, int dy)
{
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(GdiFill, FillSolidRectFillsExactlyTheRectangleAndSetsTheBackgroundColour)
{
    MemoryDC memory(10, 10);
    memory.dc().FillSolidRect(2, 3, 4, 2, kBlue);
    EXPECT_TRUE((memory.Inked() == RECT{2, 3, 6, 5}));
    EXPECT_EQ(memory.At(2, 3), kBlue);
    EXPECT_EQ(memory.dc().GetBkColor(), kBlue);

    memory.dc().FillSolidRect(2147483600, 0, 100, 100, kBlack);  // no overflow, nothing inside
    EXPECT_TRUE((memory.Inked() == RECT{2, 3, 6, 5}));
}

TEST(GdiFill, FillRectUsesTheBrushAndKeepsTheBackgroundColour)
{
    MemoryDC memory(10, 10);
    memory.dc().SetBkColor(kBlack);
    CBrush brush(kBlue);
    RECT rect{1, 1, 4, 9};
    memory.dc().FillRect(&rect, &brush);
    EXPECT_TRUE((memory.Inked() == rect));
    EXPECT_EQ(memory.dc().GetBkColor(), kBlack);
}

TEST(GdiText, CellHeightFollowsTheWindowsFontHeight)
{
    ArialDC memory;
    EXPECT_EQ(memory.dc().GetTextExtent("0").cy, 12);

    CFont em;
    em.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    memory.dc().SelectObject(&em);
    EXPECT_EQ(memory.dc().GetTextExtent("0").cy, 12);

    CFont points;
    points.CreatePointFont(90, "Arial");
    LOGFONT logFont{};
    points.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -12);
}

TEST(GdiText, ExtentsAddUpWithoutKerning)
{
    ArialDC memory;
    const SIZE av = memory.dc().GetTextExtent("AV");
    EXPECT_EQ(av.cx, memory.dc().GetTextExtent("A").cx + memory.dc().GetTextExtent("V").cx);
    EXPECT_GT(memory.dc().GetTextExtent("WWW").cx, memory.dc().GetTextExtent("iii").cx);
    EXPECT_EQ(memory.dc().GetTextExtent("").cx, 0);
}

TEST(GdiText, DrawTextAlignsByTheFlags)
{
    RECT rect{10, 8, 80, 50};
    const SIZE extent = ArialDC().dc().GetTextExtent("25");
    const auto inkOf = [&](UINT nFormat) {
        ArialDC memory;
        RECT box = rect;
        memory.dc().DrawText("25", -1, &box, nFormat);
        return memory.Inked();
    };
    const RECT topLeft = inkOf(DT_LEFT | DT_TOP | DT_SINGLELINE);
    ASSERT_GT(topLeft.right, topLeft.left);
    EXPECT_GE(topLeft.left, rect.left);
    EXPECT_GE(topLeft.top, rect.top);

    const int dx = 70 - extent.cx, dy = 42 - extent.cy;
    EXPECT_TRUE((inkOf(DT_RIGHT | DT_BOTTOM | DT_SINGLELINE) == Offset(topLeft, dx, dy)));
    EXPECT_TRUE((inkOf(DT_CENTER | DT_VCENTER | DT_SINGLELINE) == Offset(topLeft, dx / 2, dy / 2)));
    EXPECT_TRUE((inkOf(DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP) == Offset(topLeft, dx, dy / 2)));
    // Without DT_SINGLELINE the vertical flags do not apply.
    EXPECT_TRUE((inkOf(DT_RIGHT | DT_VCENTER) == Offset(topLeft, dx, 0)));
}

TEST(GdiText, DrawTextReturnsTheTextHeight)
{
    ArialDC memory;
    RECT rect{0, 10, 100, 40};
    EXPECT_EQ(memory.dc().DrawText("a", -1, &rect, DT_LEFT | DT_SINGLELINE), 12);
    EXPECT_EQ(memory.dc().DrawText("a\nb", -1, &rect, DT_LEFT), 24);
    EXPECT_EQ(memory.dc().DrawText("a", -1, &rect, DT_BOTTOM | DT_SINGLELINE), 30);
    EXPECT_EQ(memory.dc().DrawText("a", -1, nullptr, DT_LEFT), 0);
}

TEST(GdiText, TextIsDrawnInTheTextColourOnlyWithoutAntialiasing)
{
    ArialDC memory;
    memory.dc().SetTextColor(kBlue);
    memory.dc().TextOut(2, 2, "Quenda 123");
    std::set<COLORREF> colours;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            colours.insert(memory.At(x, y));
    EXPECT_EQ(colours, (std::set<COLORREF>{kBlue, kWhite}));
}

TEST(GdiText, OpaqueBackgroundFillsTheTextCellAndTransparentLeavesIt)
{
    ArialDC opaque;
    opaque.dc().SetBkMode(OPAQUE);
    opaque.dc().SetBkColor(kBlue);
    opaque.dc().TextOut(5, 5, "ab");
    const SIZE extent = opaque.dc().GetTextExtent("ab");
    EXPECT_TRUE((opaque.Inked() == RECT{5, 5, 5 + extent.cx, 5 + extent.cy}));
    EXPECT_EQ(opaque.At(5, 5), kBlue);

    ArialDC transparent;
    transparent.dc().SetBkColor(kBlue);
    transparent.dc().TextOut(5, 5, "ab");
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_NE(transparent.At(x, y), kBlue);
}

TEST(GdiText, DrawTextClipsToTheRectangleUnlessNoClip)
{
    RECT rect{0, 0, 8, 20};
    ArialDC clipped;
    clipped.dc().DrawText("WWWW", -1, &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_LE(clipped.Inked().right, 8);

    ArialDC unclipped;
    unclipped.dc().DrawText("WWWW", -1, &rect, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(unclipped.Inked().right, 20);

    // Right-aligned wide text extends to the left of an unclipped rectangle.
    RECT narrow{40, 0, 50, 20};
    ArialDC left;
    left.dc().DrawText("1000", -1, &narrow, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_LT(left.Inked().left, 40);
    EXPECT_LE(left.Inked().right, 50);
}

TEST(GdiText, AmpersandMarksAMnemonicUnlessNoPrefix)
{
    const auto inkOf = [](const char* text, UINT nFormat) {
        ArialDC memory;
        RECT rect{0, 0, 100, 30};
        memory.dc().DrawText(text, -1, &rect, nFormat | DT_SINGLELINE);
        return memory.Inked();
    };
    EXPECT_TRUE((inkOf("&&b", DT_LEFT) == inkOf("&b", DT_LEFT | DT_NOPREFIX)));
    const RECT plain = inkOf("Ab", DT_LEFT);
    const RECT marked = inkOf("&Ab", DT_LEFT);
    EXPECT_EQ(marked.left, plain.left);
    EXPECT_GT(marked.bottom, plain.bottom);  // the underline below the A
}

TEST(FontLookup, FindsMetricCompatibleFacesAndABoldSansForUnknownOnes)
{
    const FontLookup::Face arial = FontLookup::Find("Arial", FW_NORMAL, false);
    ASSERT_TRUE(arial.bFound);
    EXPECT_EQ(arial.strFamily, "Liberation Sans");
    EXPECT_EQ(arial.nWeight, FW_NORMAL);
    EXPECT_EQ(arial.nUnitsPerEm, 2048);

    const FontLookup::Face bold = FontLookup::Find("arial", FW_BOLD, false);
    EXPECT_EQ(bold.strFamily, "Liberation Sans");
    EXPECT_EQ(bold.nWeight, FW_BOLD);

    const FontLookup::Face impact = FontLookup::Find("Impact", FW_NORMAL, false);
    ASSERT_TRUE(impact.bFound);
    EXPECT_EQ(impact.nWeight, FW_BOLD);
    EXPECT_NE(impact.strFile, arial.strFile);

    EXPECT_TRUE(FontLookup::Find("", FW_NORMAL, false).bFound);
}

TEST(GdiText, DefaultFontIsTheSystemFont)
{
    MemoryDC memory(10, 10);
    EXPECT_EQ(memory.dc().GetTextExtent("0").cy, 16);
    CFont font;
    font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    CFont* pSystem = memory.dc().SelectObject(&font);
    ASSERT_NE(pSystem, nullptr);
    EXPECT_EQ(memory.dc().SelectObject(pSystem), &font);
    EXPECT_EQ(memory.dc().GetTextExtent("0").cy, 16);
}

}  // namespace
