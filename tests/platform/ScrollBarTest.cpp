#include "PlatformTestSupport.h"
#include "RecordingWnd.h"

#include <QScrollBar>

namespace {

class ScrollBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.Make(WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 216, 116)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_wnd.GetWidget()));
        m_wnd.Take();
    }
    void TearDown() override { FlushDeletes(); }

    QScrollBar* Bar(Qt::Orientation orientation) {
        for (QScrollBar* bar : m_wnd.GetWidget()->findChildren<QScrollBar*>())
            if (bar->orientation() == orientation)
                return bar;
        return nullptr;
    }
    std::vector<std::string> Scrolls() {
        std::vector<std::string> log = m_wnd.Take();
        std::erase_if(log, [](const std::string& entry) {
            return !entry.starts_with("WM_") || entry.find("SCROLL") == std::string::npos;
        });
        return log;
    }

    RecordingWnd m_wnd;
};

TEST_F(ScrollBarTest, ScrollBarsTakeRoomBesideTheClientAreaOnlyWhenTheStyleAsks) {
    CRect client;
    m_wnd.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 200, 100));
    int nMin = -1, nMax = -1;
    m_wnd.GetScrollRange(SB_VERT, &nMin, &nMax);
    EXPECT_EQ(CSize(nMin, nMax), CSize(0, 100));
    EXPECT_EQ(m_wnd.GetScrollPos(SB_HORZ), 0);

    // A window without scroll bars takes no room for them.
    RecordingWnd plain;
    ASSERT_TRUE(plain.Make(0, CRect(0, 0, 50, 50)));
    EXPECT_EQ(plain.SetScrollPos(SB_HORZ, 10), 0);
    plain.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 50, 50));
}

TEST_F(ScrollBarTest, UserActionsSendScrollCodesAndTheBarStaysWhereTheWindowPutsIt) {
    m_wnd.SetScrollRange(SB_VERT, 1, 100);
    EXPECT_EQ(m_wnd.SetScrollPos(SB_VERT, 50), 1);
    QScrollBar* bar = Bar(Qt::Vertical);
    ASSERT_NE(bar, nullptr);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_THAT(Scrolls(), ElementsAre("WM_VSCROLL 1 0", "WM_VSCROLL 0 0", "WM_VSCROLL 3 0",
                                       "WM_VSCROLL 2 0", "WM_VSCROLL 6 0", "WM_VSCROLL 7 0"));
    EXPECT_EQ(m_wnd.GetScrollPos(SB_VERT), 50);
    EXPECT_EQ(bar->value(), 50);

    // A window that follows the code moves the bar.
    m_wnd.m_onVScroll = [this](UINT nCode, UINT) {
        if (nCode == SB_LINEDOWN)
            m_wnd.SetScrollPos(SB_VERT, m_wnd.GetScrollPos(SB_VERT) + 1);
    };
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 51);
    EXPECT_EQ(m_wnd.GetScrollPos(SB_VERT), 51);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksItsPositionAndItReturnsOnRelease) {
    m_wnd.SetScrollRange(SB_HORZ, 1, 100);
    m_wnd.SetScrollPos(SB_HORZ, 50);
    QScrollBar* bar = Bar(Qt::Horizontal);
    ASSERT_NE(bar, nullptr);
    QWindow* window = TopWindowOf(m_wnd);
    // Half way along the range the thumb lies in the middle of the bar.
    QPoint start = bar->mapTo(bar->window(), bar->rect().center());
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(window, start + QPoint(30, 0));
    std::vector<std::string> tracked = Scrolls();
    ASSERT_FALSE(tracked.empty());
    int nTrack = std::stoi(tracked.back().substr(std::string("WM_HSCROLL 5 ").size()));
    EXPECT_GT(nTrack, 50);
    EXPECT_EQ(tracked.back(), "WM_HSCROLL 5 " + std::to_string(nTrack));
    EXPECT_EQ(m_wnd.GetScrollPos(SB_HORZ), 50);

    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, start + QPoint(30, 0));
    EXPECT_THAT(Scrolls(), ElementsAre("WM_HSCROLL 4 " + std::to_string(nTrack), "WM_HSCROLL 8 0"));
    EXPECT_EQ(bar->value(), 50);
}

TEST_F(ScrollBarTest, ARangeWithNothingToScrollHidesTheBarAndWidensTheClientArea) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 1, 0, 0};
    EXPECT_TRUE(m_wnd.SetScrollInfo(SB_VERT, &info));
    EXPECT_THAT(m_wnd.Take(), ElementsAre("WM_SIZE 216 100"));
    EXPECT_FALSE(Bar(Qt::Vertical)->isVisible());

    // A page smaller than the range shows it again; the position stays in
    // the scrollable part.
    info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 9, 3, 20, 0};
    m_wnd.SetScrollInfo(SB_VERT, &info);
    EXPECT_THAT(m_wnd.Take(), ElementsAre("WM_SIZE 200 100"));
    int nMin = -1, nMax = -1;
    m_wnd.GetScrollRange(SB_VERT, &nMin, &nMax);
    EXPECT_EQ(nMax, 9);
    EXPECT_EQ(m_wnd.GetScrollPos(SB_VERT), 7);
}

} // namespace
