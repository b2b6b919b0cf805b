#include "MemoryDC.h"

#include "platform/gdi/CFont.h"
#include "platform/gdi/FontLookup.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct ArialDC : MemoryDC {
    ArialDC() : MemoryDC(100, 60) {
        font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        dc().SelectObject(&font);
        dc().SetBkMode(TRANSPARENT);
    }
    CFont font;
};

// What DrawText inks of text in rect on an ArialDC.
CRect InkOf(const char* text, RECT rect, UINT nFormat) {
    ArialDC memory;
    memory.dc().DrawText(text, -1, &rect, nFormat);
    return memory.Inked();
}

CRect Offset(CRect rect, int dx, int dy) {
    rect.OffsetRect(dx, dy);
    return rect;
}

TEST(GdiFill, FillSolidRectFillsAndSetsTheBackgroundColour) {
    MemoryDC memory(10, 10);
    memory.dc().FillSolidRect(2, 3, 4, 2, kBlue);
    EXPECT_EQ(memory.Picture({1, 2, 7, 6}), "...... .bbbb. .bbbb. ......");
    EXPECT_EQ(memory.dc().GetBkColor(), kBlue);
    memory.dc().FillSolidRect(2147483600, 0, 100, 100, kBlack); // no overflow, nothing inside
    EXPECT_EQ(memory.Inked(), CRect(2, 3, 6, 5));
}

TEST(GdiText, CellHeightFollowsTheWindowsFontHeightAndTheSystemFontIsTheDefault) {
    MemoryDC plain(10, 10);
    EXPECT_EQ(plain.dc().GetTextExtent("0").cy, 16);
    ArialDC memory;
    EXPECT_EQ(memory.dc().GetTextExtent("0").cy, 12);
    // DrawText returns the height of the text, 0 on failure.
    RECT rect{0, 10, 100, 40};
    EXPECT_EQ(memory.dc().DrawText("a", -1, &rect, DT_LEFT | DT_SINGLELINE), 12);
    EXPECT_EQ(memory.dc().DrawText("a\nb", -1, &rect, DT_LEFT), 24);
    EXPECT_EQ(memory.dc().DrawText("a", -1, &rect, DT_BOTTOM | DT_SINGLELINE), 30);
    EXPECT_EQ(memory.dc().DrawText("a", -1, nullptr, DT_LEFT), 0);

    CFont em;
    em.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    memory.dc().SelectObject(&em);
    EXPECT_EQ(memory.dc().GetTextExtent("0").cy, 12);
}

TEST(GdiText, DrawTextAlignsByTheFlags) {
    const RECT rect{10, 8, 80, 50};
    const CRect topLeft = InkOf("25", rect, DT_LEFT | DT_TOP | DT_SINGLELINE);
    ASSERT_FALSE(topLeft.IsRectEmpty());
    EXPECT_GE(topLeft.left, rect.left);
    EXPECT_GE(topLeft.top, rect.top);

    const SIZE extent = ArialDC().dc().GetTextExtent("25");
    const int dx = 70 - extent.cx, dy = 42 - extent.cy;
    EXPECT_EQ(InkOf("25", rect, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE), Offset(topLeft, dx, dy));
    EXPECT_EQ(InkOf("25", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              Offset(topLeft, dx / 2, dy / 2));
    EXPECT_EQ(InkOf("25", rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP),
              Offset(topLeft, dx, dy / 2));
    // Without DT_SINGLELINE the vertical flags do not apply.
    EXPECT_EQ(InkOf("25", rect, DT_RIGHT | DT_VCENTER), Offset(topLeft, dx, 0));
}

TEST(GdiText, TextIsDrawnInTheTextColourAlone) {
    ArialDC memory;
    memory.dc().SetTextColor(kBlue);
    memory.dc().SetBkColor(kBlack);
    RECT rect{2, 2, 100, 60};
    memory.dc().DrawText("Quenda 123", -1, &rect, DT_SINGLELINE);
    const std::string picture = memory.Picture({0, 0, 100, 60});
    EXPECT_NE(picture.find('b'), std::string::npos);
    EXPECT_EQ(picture.find_first_not_of("b. "), std::string::npos);
}

TEST(GdiText, DrawTextClipsToTheRectangleUnlessNoClip) {
    EXPECT_LE(InkOf("WWWW", {0, 0, 8, 20}, DT_LEFT | DT_SINGLELINE).right, 8);
    EXPECT_GT(InkOf("WWWW", {0, 0, 8, 20}, DT_LEFT | DT_SINGLELINE | DT_NOCLIP).right, 20);
    // Right-aligned wide text extends to the left of an unclipped rectangle.
    const CRect left =
        InkOf("1000", {40, 0, 50, 20}, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_LT(left.left, 40);
    EXPECT_LE(left.right, 50);
}

TEST(GdiText, AmpersandMarksAMnemonicUnlessNoPrefix) {
    const RECT rect{0, 0, 100, 30};
    EXPECT_EQ(InkOf("&&b", rect, DT_SINGLELINE), InkOf("&b", rect, DT_SINGLELINE | DT_NOPREFIX));
    const CRect plain = InkOf("Ab", rect, DT_SINGLELINE);
    const CRect marked = InkOf("&Ab", rect, DT_SINGLELINE);
    EXPECT_EQ(marked.left, plain.left);
    EXPECT_GT(marked.bottom, plain.bottom); // the underline below the A
}

TEST(FontLookup, FindsMetricCompatibleFacesAndABoldSansForUnknownOnes) {
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

} // namespace
