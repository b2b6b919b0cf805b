#include "MemoryDC.h"

#include "platform/gdi/CPen.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColor.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(GdiBlit, BitBltCopiesExactlyTheBlockClippedToTheSource) {
    MemoryDC source(8, 8);
    EXPECT_EQ(source.dc().SetPixel(2, 2, kRed), kRed);
    source.dc().SetPixel(3, 2, kGreen);
    source.dc().SetPixel(2, 3, kBlue);
    EXPECT_EQ(source.dc().SetPixel(8, 1, kGreen), CLR_INVALID);
    EXPECT_EQ(source.dc().GetPixel(-1, 0), CLR_INVALID);
    MemoryDC target(8, 8);
    EXPECT_TRUE(target.dc().BitBlt(4, 5, 2, 2, &source.dc(), 2, 2, SRCCOPY));
    EXPECT_EQ(target.Picture({4, 5, 6, 7}), "rg b.");
    EXPECT_TRUE(target.InkedOnlyWithin({4, 5, 6, 7}));
    EXPECT_FALSE(target.dc().BitBlt(0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));

    MemoryDC small(4, 4);
    small.dc().FillSolidRect(0, 0, 4, 4, kRed);
    MemoryDC clipped(8, 8);
    clipped.dc().BitBlt(0, 0, 8, 8, &small.dc(), -2, -2, SRCCOPY);
    EXPECT_EQ(clipped.Inked(), CRect(2, 2, 6, 6));
    EXPECT_TRUE(clipped.dc().BitBlt(-100000, -100000, 200000, 200000, &small.dc(), 0, 0, SRCCOPY));
}

TEST(GdiSysColor, AnswersTheClassicPalette) {
    const std::pair<int, COLORREF> colours[] = {{COLOR_3DFACE, RGB(192, 192, 192)},
                                                {COLOR_BTNSHADOW, RGB(128, 128, 128)},
                                                {COLOR_BTNHIGHLIGHT, kWhite},
                                                {COLOR_WINDOW, kWhite},
                                                {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
                                                {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
                                                {-1, 0},
                                                {200, 0}};
    for (auto [index, colour] : colours)
        EXPECT_EQ(GetSysColor(index), colour) << index;
}

TEST(GdiSelect, SelectingReturnsThePreviousObjectAndCopiesThePensState) {
    MemoryDC memory(6, 3);
    CPen blue(PS_SOLID, 1, kBlue);
    {
        CPen red(PS_SOLID, 1, kRed);
        EXPECT_EQ(memory.dc().SelectObject(&red), StockObjects::Get(BLACK_PEN));
        EXPECT_EQ(memory.dc().SelectObject(&blue), &red);
        EXPECT_EQ(memory.dc().SelectObject(&red), &blue);
    }
    CPen uncreated;
    EXPECT_EQ(memory.dc().SelectObject(&uncreated), nullptr);
    EXPECT_FALSE(StockObjects::Get(BLACK_PEN)->DeleteObject());
    // The deleted red pen leaves the DC drawing red.
    memory.dc().MoveTo(0, 1);
    memory.dc().LineTo(3, 1);
    EXPECT_EQ(memory.At(1, 1), kRed);
}

TEST(GdiBitmap, SizesAndDepths) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    BITMAP info{};
    CBitmap empty;
    ASSERT_TRUE(empty.CreateCompatibleBitmap(&dc, 0, 10));
    empty.GetBitmap(&info);
    EXPECT_EQ(CSize(info.bmWidth, info.bmBitsPixel), CSize(1, 1));

    CBitmap colour;
    ASSERT_TRUE(colour.CreateCompatibleBitmap(&dc, 30, 20));
    colour.GetBitmap(&info);
    EXPECT_EQ(CSize(info.bmWidth, info.bmHeight), CSize(30, 20));
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_FALSE(colour.CreateCompatibleBitmap(&dc, 5, 5)); // already created
    EXPECT_TRUE(colour.DeleteObject());
    EXPECT_EQ(colour.GetBitmap(&info), 0);

    CBitmap negative;
    EXPECT_FALSE(negative.CreateCompatibleBitmap(&dc, -1, 5));
    EXPECT_FALSE(negative.CreateCompatibleBitmap(nullptr, 5, 5));
}

TEST(GdiBitmap, CreateBitmapTakesTopDownRows) {
    const std::uint32_t colour[] = {0x00FF0000, 0x0000FF00}; // blue, green, red, unused
    CBitmap colourBitmap;
    ASSERT_TRUE(colourBitmap.CreateBitmap(1, 2, 1, 32, colour));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* pOld = dc.SelectObject(&colourBitmap);
    EXPECT_EQ(dc.GetPixel(0, 0), kRed);
    EXPECT_EQ(dc.GetPixel(0, 1), kGreen);
    dc.SelectObject(pOld);
    EXPECT_TRUE(CBitmap().CreateBitmap(1, 1, 1, 1, nullptr));
    EXPECT_FALSE(CBitmap().CreateBitmap(2, 2, 1, 8, nullptr));
}

TEST(GdiBitmap, IsSelectedIntoOneDCAtATimeAndItsDestructionLeavesTheDCSafe) {
    CDC first, second;
    first.CreateCompatibleDC(nullptr);
    second.CreateCompatibleDC(nullptr);
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&first, 4, 4));
        CBitmap* pDefault = first.SelectObject(&bitmap);
        ASSERT_NE(pDefault, nullptr);
        EXPECT_EQ(second.SelectObject(&bitmap), nullptr);
        EXPECT_FALSE(bitmap.DeleteObject());
        EXPECT_EQ(first.SelectObject(pDefault), &bitmap);
        EXPECT_NE(second.SelectObject(&bitmap), nullptr);
    }
    EXPECT_EQ(second.SetPixel(2, 2, kRed), kRed);
    EXPECT_EQ(second.GetPixel(2, 2), kRed);
}

TEST(GdiDC, AnUncreatedDCDrawsNothing) {
    CDC dc;
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
    EXPECT_FALSE(dc.LineTo(4, 4));
    EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);
    MemoryDC memory(2, 2);
    EXPECT_FALSE(memory.dc().BitBlt(0, 0, 2, 2, &dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(dc.GetSafeHdc(), &dc);
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
}

} // namespace
