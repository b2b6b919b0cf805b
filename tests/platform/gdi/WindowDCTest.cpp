#include "platform/CWnd.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CClientDC.h"
#include "platform/gdi/CPen.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

class WindowDC : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "DC", 0, RECT{0, 0, 30, 20}, nullptr, 0));
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    CWnd m_wnd;
};

TEST_F(WindowDC, DrawsIntoTheWindowSurface) {
    CClientDC dc(&m_wnd);
    EXPECT_EQ(dc.GetWindow(), &m_wnd);
    dc.FillSolidRect(2, 3, 4, 5, RGB(255, 0, 0));
    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    dc.SelectObject(&pen);
    dc.MoveTo(0, 19);
    dc.LineTo(30, 19);
    const QImage& surface = m_wnd.GetSurface();
    EXPECT_EQ(surface.pixel(2, 3), 0xFFFF0000);
    EXPECT_EQ(surface.pixel(5, 7), 0xFFFF0000);
    EXPECT_EQ(surface.pixel(6, 7), 0xFFFFFFFF);
    EXPECT_EQ(surface.pixel(29, 19), 0xFF0000FF);
    EXPECT_EQ(dc.GetPixel(3, 4), RGB(255, 0, 0));
}

TEST_F(WindowDC, CopiesFromAMemoryDCLikeAnOffscreenPicture) {
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    CClientDC dc(&m_wnd);
    bitmap.CreateCompatibleBitmap(&dc, 30, 20);
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    memDC.FillSolidRect(0, 0, 30, 20, RGB(0, 128, 0));
    EXPECT_TRUE(dc.BitBlt(0, 0, 30, 20, &memDC, 0, 0, SRCCOPY));
    EXPECT_EQ(m_wnd.GetSurface().pixel(29, 19), 0xFF008000);
    memDC.SelectObject(pOld);
}

TEST_F(WindowDC, ADCOfAnUncreatedOrDestroyedWindowDrawsNothing) {
    CWnd uncreated;
    CClientDC none(&uncreated);
    EXPECT_EQ(none.GetSafeHdc(), nullptr);
    EXPECT_FALSE(none.LineTo(5, 5));
    CClientDC nullWindow(nullptr);
    EXPECT_EQ(nullWindow.GetPixel(0, 0), CLR_INVALID);

    CClientDC dc(&m_wnd);
    m_wnd.DestroyWindow();
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
    EXPECT_EQ(dc.GetWindow(), nullptr);
    EXPECT_EQ(dc.SetPixel(1, 1, 0), CLR_INVALID);
}

} // namespace
