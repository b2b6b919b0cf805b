#include "PlatformTestSupport.h"
#include "RecordingWnd.h"

namespace {

class WndLifecycleTest : public ::testing::Test {
  protected:
    void TearDown() override { FlushDeletes(); }

    // A shown top-level window that has had its first paint.
    void ShowPainted(RecordingWnd& wnd, const RECT& rect) {
        ASSERT_TRUE(wnd.Make(WS_VISIBLE, rect));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(wnd.GetWidget()));
        QCoreApplication::processEvents();
        wnd.Take();
    }
};

TEST_F(WndLifecycleTest, CreationSendsCreateThenSizeOfTheClientAreaUnlessRefused) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.Make(0, CRect(10, 10, 210, 110)));
    EXPECT_THAT(wnd.Take(), ElementsAre("WM_CREATE", "WM_SIZE 200 100"));
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 200, 100));
    EXPECT_EQ(wnd.GetSafeHwnd(), &wnd);

    // Refused creation destroys the window again; a child needs a parent.
    RecordingWnd refusing;
    refusing.m_nCreateResult = -1;
    EXPECT_FALSE(refusing.Make(0, CRect(0, 0, 50, 50)));
    EXPECT_THAT(refusing.Take(), ElementsAre("WM_CREATE", "WM_DESTROY", "PostNcDestroy"));
    EXPECT_EQ(refusing.GetSafeHwnd(), nullptr);

    RecordingWnd child;
    EXPECT_FALSE(child.Make(WS_CHILD, CRect(0, 0, 10, 10), nullptr));
    EXPECT_TRUE(child.Take().empty());
}

TEST_F(WndLifecycleTest, DestructionReachesTheParentFirstAndEndsWithTheParent) {
    std::vector<std::string> order;
    struct Named : RecordingWnd {
        std::vector<std::string>* pOrder = nullptr;
        std::string name;
        void OnDestroy() override { pOrder->push_back(name + " WM_DESTROY"); }
        void PostNcDestroy() override { pOrder->push_back(name + " PostNcDestroy"); }
    } parent, child;
    parent.pOrder = child.pOrder = &order;
    parent.name = "parent";
    child.name = "child";
    ASSERT_TRUE(parent.Make(0, CRect(0, 0, 100, 100)));
    ASSERT_TRUE(child.Make(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent));
    EXPECT_TRUE(parent.DestroyWindow());
    EXPECT_THAT(order, ElementsAre("parent WM_DESTROY", "child WM_DESTROY", "child PostNcDestroy",
                                   "parent PostNcDestroy"));
    EXPECT_EQ(child.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(parent.DestroyWindow());
}

TEST_F(WndLifecycleTest, AChildWindowLiesInTheParentsClientAreaInsideTheDialogFrame) {
    RecordingWnd parent, child;
    parent.m_onPaint = [&parent] { parent.GetSurface().fill(QColor(0, 0, 0)); };
    ASSERT_TRUE(parent.Make(WS_VISIBLE, CRect(100, 100, 400, 300), nullptr, WS_EX_DLGMODALFRAME));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.GetWidget()));
    QImage shown = parent.GetWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(3, 3), QColor(0, 0, 0));
    EXPECT_NE(shown.pixelColor(1, 1), QColor(0, 0, 0));
    ASSERT_TRUE(child.Make(WS_CHILD | WS_VISIBLE, CRect(10, 20, 110, 70), &parent));
    CRect client;
    parent.GetClientRect(&client);
    // The dialog frame is a 3-pixel border outside the client area.
    EXPECT_EQ(client, CRect(0, 0, 294, 194));

    CRect childRect;
    child.GetWindowRect(&childRect);
    parent.ScreenToClient(&childRect);
    EXPECT_EQ(childRect, CRect(10, 20, 110, 70));

    child.MoveWindow(5, 6, 30, 40);
    EXPECT_THAT(child.Take(), testing::Contains("WM_SIZE 30 40"));
    child.GetWindowRect(&childRect);
    parent.ScreenToClient(&childRect);
    EXPECT_EQ(childRect, CRect(5, 6, 35, 46));

    // Client and screen coordinates convert both ways.
    CPoint point(5, 7);
    parent.ClientToScreen(&point);
    EXPECT_EQ(point, CPoint(108, 110));
    parent.ScreenToClient(&point);
    EXPECT_EQ(point, CPoint(5, 7));
}

TEST_F(WndLifecycleTest, InvalidateRectOnlySchedulesAndUpdateWindowPaintsAtOnce) {
    RecordingWnd wnd;
    ShowPainted(wnd, CRect(0, 0, 120, 80));

    wnd.InvalidateRect(nullptr, TRUE);
    EXPECT_TRUE(wnd.m_log.empty());
    wnd.UpdateWindow();
    EXPECT_THAT(wnd.Take(), ElementsAre("WM_ERASEBKGND", "WM_PAINT"));

    // Nothing is invalid any more: nothing to paint.
    wnd.UpdateWindow();
    EXPECT_TRUE(wnd.Take().empty());

    CRect part(0, 0, 10, 10);
    wnd.InvalidateRect(&part, FALSE);
    EXPECT_TRUE(wnd.m_log.empty());
    QCoreApplication::processEvents();
    EXPECT_THAT(wnd.Take(), ElementsAre("WM_PAINT"));
}

TEST_F(WndLifecycleTest, WhatOnPaintOrPresentSurfaceLeavesInTheSurfaceIsShown) {
    RecordingWnd wnd;
    wnd.m_onPaint = [&wnd] { wnd.GetSurface().fill(QColor(255, 0, 0)); };
    ShowPainted(wnd, CRect(0, 0, 60, 40));
    QImage shown = wnd.GetWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(30, 20), QColor(255, 0, 0));

    // The default erase step fills the surface with white.
    wnd.m_onPaint = nullptr;
    wnd.Invalidate();
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.GetSurface().pixelColor(30, 20), QColor(255, 255, 255));

    // PresentSurface shows the picture without painting again.
    wnd.Take();
    wnd.GetSurface().fill(QColor(0, 0, 255));
    wnd.PresentSurface();
    QCoreApplication::processEvents();
    EXPECT_TRUE(wnd.Take().empty());
    EXPECT_EQ(wnd.GetWidget()->grab().toImage().pixelColor(10, 10), QColor(0, 0, 255));
}

TEST_F(WndLifecycleTest, TheSurfaceHasTheClientSizeWhenOnSizeRuns) {
    RecordingWnd wnd;
    std::vector<QSize> seen;
    wnd.m_onSize = [&](int, int) { seen.push_back(wnd.GetSurface().size()); };
    ASSERT_TRUE(wnd.Make(WS_VISIBLE, CRect(0, 0, 100, 50)));
    wnd.MoveWindow(0, 0, 70, 30);
    EXPECT_THAT(seen, ElementsAre(QSize(100, 50), QSize(70, 30)));
    EXPECT_EQ(wnd.GetSurface().format(), QImage::Format_ARGB32_Premultiplied);
}

TEST_F(WndLifecycleTest, ADestroyedWindowAnswersNoMore) {
    auto* pWnd = new RecordingWnd;
    ASSERT_TRUE(pWnd->Make(0, CRect(0, 0, 10, 10)));
    QPointer<QWidget> widget = pWnd->GetWidget();
    EXPECT_EQ(CWnd::FromWidget(widget), pWnd);
    delete pWnd;
    EXPECT_EQ(CWnd::FromWidget(widget), nullptr);
    FlushDeletes();
    EXPECT_TRUE(widget.isNull());
}

} // namespace
