#include "WindowTest.h"

#include "core/ModuleExports.h"

namespace {

// The classic palette's colours that the picture is made of.
constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBarBorder = RGB(0, 0, 255);
constexpr COLORREF kBar = RGB(128, 128, 255);
constexpr COLORREF kBarEnd = RGB(64, 64, 255);
constexpr COLORREF kSelectedBar = RGB(192, 192, 255);
constexpr COLORREF kSelectedBarEnd = RGB(128, 128, 255);
constexpr COLORREF kPlayHead = RGB(255, 0, 0);

class TimeLineFrameTest : public WindowTest {
  protected:
    // Cell geometry of a window scrolled to frame 1 and row 1.
    static int CellLeft(int frame) { return 30 + (frame - 1) * 12; }
    static int CellTop(int row) { return 20 + (row - 1) * 18; }
    static int CellMiddleX(int frame) { return CellLeft(frame) + 6; }
    static int CellMiddleY(int row) { return CellTop(row) + 9; }
    Pointer<FakeInstance> Place(int row, int start, int stop, bool allowsKeyFrames = true) {
        Pointer<FakeInstance> instance(new FakeInstance(
            std::to_string(start).c_str(), std::to_string(stop).c_str(), allowsKeyFrames));
        m_pTimeLineModel->AddInstance(instance, row, start, stop);
        return instance;
    }
    // The first visible row and frame, read through the window's own hit test.
    std::pair<int, int> FirstCell() {
        int row = 0, frame = 0;
        EXPECT_TRUE(m_pTimeLine->PointToCell(31, 21, row, frame));
        return {row, frame};
    }
};

TEST_F(TimeLineFrameTest, PointToCellLeavesOutTheHeaderEdgesAndTheClientBorder) {
    OpenTimeLine(400, 200);
    // Row and frame -7: off the grid, and nothing is written.
    const struct {
        int x, y, row, frame;
    } cases[] = {{30, 21, -7, -7}, {31, 20, -7, -7}, {400, 100, -7, -7}, {100, 200, -7, -7},
                 {31, 21, 1, 1},   {41, 37, 1, 1},   {42, 38, 2, 2},     {399, 199, 10, 31}};
    for (const auto& c : cases) {
        int row = -7, frame = -7;
        EXPECT_EQ(m_pTimeLine->PointToCell(c.x, c.y, row, frame), c.row > 0) << c.x << "," << c.y;
        EXPECT_EQ(std::make_pair(row, frame), std::make_pair(c.row, c.frame)) << c.x << "," << c.y;
    }
    Scroll(m_pTimeLine, WM_HSCROLL, SB_PAGERIGHT);
    Scroll(m_pTimeLine, WM_VSCROLL, SB_LINEDOWN);
    int row = 0, frame = 0;
    EXPECT_TRUE(m_pTimeLine->PointToCell(42, 38, row, frame));
    EXPECT_EQ(std::make_pair(row, frame), std::make_pair(3, 12));
}

TEST_F(TimeLineFrameTest, ScrollCodesMoveTheFirstFrameAndRow) {
    // The horizontal thumb stays in the middle: each tracking message adds its
    // distance from there, and with no end SB_RIGHT goes 50 further.
    const struct {
        UINT message;
        int code, position, first;
    } steps[] = {
        {WM_HSCROLL, SB_LINELEFT, 0, 1}, // never left of frame 1
        {WM_HSCROLL, SB_PAGERIGHT, 0, 11},   {WM_HSCROLL, SB_LINERIGHT, 0, 12},
        {WM_HSCROLL, SB_PAGELEFT, 0, 2},     {WM_HSCROLL, SB_THUMBTRACK, 60, 12},
        {WM_HSCROLL, SB_THUMBTRACK, 60, 22}, {WM_HSCROLL, SB_THUMBTRACK, 30, 2},
        {WM_HSCROLL, SB_ENDSCROLL, 0, 2},    {WM_HSCROLL, SB_RIGHT, 0, 52},
        {WM_HSCROLL, SB_LEFT, 0, 1},         {WM_VSCROLL, SB_PAGEDOWN, 0, 11},
        {WM_VSCROLL, SB_THUMBTRACK, 45, 6},  {WM_VSCROLL, SB_BOTTOM, 0, 56},
        {WM_VSCROLL, SB_TOP, 0, 1},
    };
    OpenTimeLine(400, 200);
    for (size_t i = 0; i < std::size(steps); ++i) {
        Scroll(m_pTimeLine, steps[i].message, steps[i].code, steps[i].position);
        auto [row, frame] = FirstCell();
        EXPECT_EQ(steps[i].message == WM_HSCROLL ? frame : row, steps[i].first) << "step " << i;
    }
    EXPECT_EQ(m_pTimeLine->GetScrollPos(SB_HORZ), 50);
    EXPECT_EQ(m_pTimeLine->GetScrollPos(SB_VERT), 50);
    int minPos = 0, maxPos = 0;
    m_pTimeLine->GetScrollRange(SB_HORZ, &minPos, &maxPos);
    EXPECT_EQ(std::make_pair(minPos, maxPos), std::make_pair(1, 100));
}

TEST_F(TimeLineFrameTest, InstanceBarsShowTheirEndCellsAndTheSelection) {
    Place(1, 3, 8);
    m_pTimeLineModel->m_pSelected = Place(2, 3, 8);
    OpenTimeLine(400, 200);

    ExpectColours(m_pTimeLine, {{CellMiddleX(5), CellMiddleY(1), kBar},
                                {CellMiddleX(3), CellMiddleY(1), kBarEnd},
                                {CellLeft(3), CellMiddleY(1), kBarBorder},
                                {CellLeft(9) - 1, CellMiddleY(1), kBarBorder},
                                {CellMiddleX(5), CellTop(2) - 1, kBarBorder},
                                {CellMiddleX(5), CellMiddleY(2), kSelectedBar},
                                {CellMiddleX(3), CellMiddleY(2), kSelectedBarEnd}});
    // A bar that starts left of the first visible frame has no left border.
    Place(3, 5, 20);
    Scroll(m_pTimeLine, WM_HSCROLL, SB_PAGERIGHT); // frame 11 is now the first visible frame
    ExpectColours(m_pTimeLine,
                  {{30, CellMiddleY(3), kBar},
                   {CellMiddleX(1), CellTop(3), kBarBorder},   // top and bottom edges go on
                   {CellMiddleX(10), CellMiddleY(3), kBarEnd}, // frame 20
                   {CellLeft(11) - 1, CellMiddleY(3), kBarBorder}});
}

TEST_F(TimeLineFrameTest, KeyFrameMarkersShowTheSelectedOneFilledAndNoneOnTheLastFrame) {
    Pointer<FakeInstance> instance = Place(1, 3, 12);
    instance->AddKeyFrame(3);                              // frame 5
    Pointer<KeyFrame> selected = instance->AddKeyFrame(5); // frame 7
    instance->AddKeyFrame(10);                             // frame 12, the last one
    Place(2, 3, 12, false)->AddKeyFrame(3);                // not offered: no markers
    OpenTimeLine(400, 200);
    m_pTimeLine->SetSelectedKeyFrame(selected);
    m_pTimeLine->Redraw();

    // A marker is inset 3 pixels across and 4 down its cell.
    const int top = CellTop(1) + 4, bottom = CellTop(1) + 14;
    ExpectColours(m_pTimeLine, {{CellLeft(5) + 3, top + 5, kBlack},    // outline
                                {CellLeft(5) + 6, top + 5, kWindow},   // white inside
                                {CellLeft(5) + 8, bottom - 1, kBlack}, // bottom edge
                                {CellLeft(7) + 6, top + 5, kBlack},    // the selected one is filled
                                {CellMiddleX(12), top + 5, kBarEnd},
                                {CellMiddleX(5), CellMiddleY(2), kBar}});

    m_pTimeLine->SetSelectedKeyFrame({});
    m_pTimeLine->Redraw();
    EXPECT_EQ(PixelAt(m_pTimeLine, CellLeft(7) + 6, top + 5), kWindow);
}

TEST_F(TimeLineFrameTest, ADottedRedPlayHeadMarksTheCurrentFrameOnlyWhenItIsVisible) {
    m_pPlayer->m_nFrame = 11;
    OpenTimeLine(400, 200);
    const int x = CellMiddleX(11);
    // Dots of three pixels, three apart, from the top of the window down.
    const QImage picture = Picture(m_pTimeLine);
    for (int y = 0; y < 200; ++y)
        EXPECT_EQ(ColourOf(picture, x, y) == kPlayHead, y % 6 < 3) << "y = " << y;
    // The box around the frame's number, dotted as well.
    EXPECT_TRUE(Shows(m_pTimeLine, kPlayHead, CellLeft(12), 0, CellLeft(12) + 1, 20));
    EXPECT_TRUE(Shows(m_pTimeLine, kPlayHead, CellLeft(11) + 1, 20, CellLeft(12), 21));
    EXPECT_FALSE(Shows(m_pTimeLine, kPlayHead, 0, 0, CellLeft(11), 200));

    m_pPlayer->m_nFrame = 4;
    UpdateAllMDIChildWindows();
    EXPECT_EQ(PixelAt(m_pTimeLine, CellMiddleX(4), 66), kPlayHead);
    EXPECT_NE(PixelAt(m_pTimeLine, x, 66), kPlayHead);

    for (int step = 0; step < 4; ++step) // frame 4 goes left of the first visible frame
        Scroll(m_pTimeLine, WM_HSCROLL, SB_LINERIGHT);
    EXPECT_FALSE(Shows(m_pTimeLine, kPlayHead, 0, 0, 400, 200));
}

TEST_F(TimeLineFrameTest, TheSelectionBlockIsOutlinedAndLosesItsLeftEdgeOutOfView) {
    OpenTimeLine(400, 200);
    m_pTimeLine->SetSelection(3, 2, 6, 3);
    m_pTimeLine->Redraw();
    ExpectColours(m_pTimeLine, {{CellLeft(3), CellTop(3), kBlack},
                                {CellLeft(7) - 1, CellTop(3), kBlack},
                                {CellMiddleX(4), CellTop(2), kBlack},
                                {CellMiddleX(4), CellMiddleY(3), kWindow}});

    m_pTimeLine->ClearSelection();
    m_pTimeLine->Redraw();
    EXPECT_EQ(PixelAt(m_pTimeLine, CellLeft(3), CellTop(3)), kWindow);

    m_pTimeLine->SetSelection(6, 1, 2, 1); // stored as given: first after last draws nothing
    m_pTimeLine->Redraw();
    EXPECT_EQ(PixelAt(m_pTimeLine, CellLeft(2), CellMiddleY(1)), kWindow);

    m_pTimeLine->SetSelection(5, 1, 15, 1);
    Scroll(m_pTimeLine, WM_HSCROLL, SB_PAGERIGHT);
    // No left edge; frame 15's right edge.
    ExpectColours(m_pTimeLine,
                  {{31, CellMiddleY(1), kWindow}, {CellLeft(6) - 1, CellMiddleY(1), kBlack}});
}

TEST_F(TimeLineFrameTest, TheFrameBandLabelsFrameOneAndEveryMultipleOfFive) {
    OpenTimeLine(400, 200);
    // Inside a number button, clear of its raised edges.
    auto labelled = [&](int column) {
        return Shows(m_pTimeLine, kBlack, CellLeft(column) + 1, 1, CellLeft(column) + 11, 19);
    };
    EXPECT_TRUE(labelled(1));
    EXPECT_FALSE(labelled(2));
    EXPECT_TRUE(labelled(5));

    Scroll(m_pTimeLine, WM_HSCROLL, SB_LINERIGHT);
    Scroll(m_pTimeLine, WM_HSCROLL, SB_LINERIGHT); // frames 3, 4, 5 ... from the left
    EXPECT_FALSE(labelled(1));
    EXPECT_TRUE(Shows(m_pTimeLine, kBlack, 2, CellTop(1), 29, CellTop(2))); // row numbers
}

TEST_F(TimeLineFrameTest, OnlyTheVisibleRowsAndFramesAreAskedFor) {
    Place(1, 3, 8);
    OpenTimeLine(1000, 400);
    m_pTimeLineModel->m_queries.clear();
    m_pTimeLine->Redraw();
    ASSERT_EQ(m_pTimeLineModel->m_queries.size(), 22u);
    for (int row = 1; row <= 22; ++row)
        EXPECT_EQ(m_pTimeLineModel->m_queries[static_cast<size_t>(row - 1)],
                  (FakeTimeLine::Query{row, 1, 81}));

    Scroll(m_pTimeLine, WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(m_pTimeLineModel->m_queries.back(), (FakeTimeLine::Query{22, 11, 91}));

    m_pTimeLine->ShowWindow(SW_MINIMIZE); // minimised, it asks for no row
    m_pTimeLineModel->m_queries.clear();
    m_pTimeLine->Redraw();
    EXPECT_TRUE(m_pTimeLineModel->m_queries.empty());
}

} // namespace
