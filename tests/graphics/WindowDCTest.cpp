#include "platform/CWnd.h"
#include "platform/gdi/CClientDC.h"

#include <QCoreApplication>

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
