#include "WindowTest.h"

namespace {

constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kHighlight = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class CastListFrameTest : public WindowTest {
  protected:
    static COLORREF MemberColour(int index) { return RGB(10 * index, 200, 100); }
    void AddMembers(int count) {
        for (int i = 0; i < count; ++i) {
            Pointer<FakeCastMember> member(
                new FakeCastMember(("Member " + std::to_string(i)).c_str(), MemberColour(i)));
            m_members.push_back(member);
            m_pCast->AddCastMember(member);
        }
    }
    // The index of the member under a point, -1 for none; -2 when the index
    // was not written.
    std::pair<int, int> HitTest(int x, int y) {
        int index = -2;
        Pointer<CastMember> member = m_pCastList->GetCastMemberAt(x, y, &index);
        int found = -1;
        for (size_t i = 0; i < m_members.size(); ++i)
            if (member.Get() == static_cast<CastMember*>(m_members[i].Get()))
                found = static_cast<int>(i);
        return {found, index};
    }
    int FirstShown() { return HitTest(30, 10).second; }
    std::pair<int, int> ScrollRange() {
        int minPos = -1, maxPos = -1;
        m_pCastList->GetScrollRange(SB_VERT, &minPos, &maxPos);
        return {minPos, maxPos};
    }

    std::vector<Pointer<FakeCastMember>> m_members;
};

TEST_F(CastListFrameTest, HitTestsNameTheTileUnderThePointInColumnsOfWholeTiles) {
    AddMembers(5);
    OpenCastList(119, 300);
    // Tiles of 60 by 56 pixels inside the client edge; -2: the index was not written.
    const struct {
        int width, x, y, member, index;
    } cases[] = {
        {119, 70, 10, -1, -2}, {119, 30, 70, 1, 1},  {120, 30, 70, 2, 2},    {150, 59, 55, 0, 0},
        {150, 60, 56, 3, 3},   {150, 0, 10, -1, -2}, {150, 130, 10, -1, -2}, {150, 10, 300, -1, -2},
        {150, 70, 120, -1, 5}, // right of the last member on its line: the index is written
        {59, 30, 10, -1, -2},  // narrower than a tile: no tile at all
    };
    for (const auto& c : cases) {
        SetClientSize(m_pCastList, c.width, 300);
        EXPECT_EQ(HitTest(c.x, c.y), std::make_pair(c.member, c.index))
            << c.x << "," << c.y << " of " << c.width;
    }
    m_members[0]->m_areas.clear();
    m_pCastList->Redraw();
    EXPECT_TRUE(m_members[0]->m_areas.empty());
    EXPECT_EQ(ScrollRange(), std::make_pair(0, 0));
}

TEST_F(CastListFrameTest, TheScrollBarCountsLinesAndScrollsOneLineAPage) {
    AddMembers(5);
    OpenCastList(150, 300);
    EXPECT_EQ(ScrollRange(), std::make_pair(0, 0)); // three lines of 56 pixels fit

    SetClientSize(m_pCastList, 150, 100);
    EXPECT_EQ(ScrollRange(), std::make_pair(0, 2));
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE;
    m_pCastList->GetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(info.nPage, 1u);

    // Code, thumb position; the first member shown and the bar's position after.
    const int steps[][4] = {
        {SB_LINEUP, 0, 0, 0},   {SB_PAGEDOWN, 0, 2, 1},   {SB_BOTTOM, 0, 4, 2},
        {SB_LINEDOWN, 0, 4, 2}, {SB_THUMBTRACK, 1, 2, 1},
    };
    for (const auto& [code, position, first, bar] : steps) {
        Scroll(m_pCastList, WM_VSCROLL, code, position);
        EXPECT_EQ(std::make_pair(FirstShown(), m_pCastList->GetScrollPos(SB_VERT)),
                  std::make_pair(first, bar))
            << "code " << code;
    }
    EXPECT_EQ(PixelAt(m_pCastList, 30, 20), MemberColour(2)); // the picture follows

    SetClientSize(m_pCastList, 150, 110); // a resize goes back to the first line
    EXPECT_EQ(FirstShown(), 0);
    EXPECT_EQ(m_pCastList->GetScrollPos(SB_VERT), 0);
}

TEST_F(CastListFrameTest, TilesShowTheMembersPictureAndNameInASunkenFrame) {
    AddMembers(2);
    OpenCastList(300, 200);
    ASSERT_FALSE(m_members[1]->m_areas.empty());
    EXPECT_EQ(CRect(m_members[1]->m_areas.back()), CRect(62, 2, 117, 43));
    EXPECT_TRUE(m_members[1]->m_bScratchLent);

    // (150, 20): no third member.
    ExpectColours(m_pCastList, {{90, 20, MemberColour(1)}, {1, 30, kFace}, {150, 20, kFace}});
    EXPECT_TRUE(Shows(m_pCastList, kBlack, 1, 44, 59, 55)); // the name
}

TEST_F(CastListFrameTest, TheDraggedTileIsShadedAndTheHotOneOutlinedWhileDragging) {
    AddMembers(2);
    OpenCastList(300, 200);
    m_pCastList->SetHotCastMember(Pointer<CastMember>(m_members[1]));
    m_pCastList->Redraw();
    EXPECT_EQ(PixelAt(m_pCastList, 90, 0), kShadow); // hot alone changes nothing

    m_pCastList->SetDraggedCastMember(Pointer<CastMember>(m_members[0]));
    m_pCastList->Redraw();
    ExpectColours(m_pCastList, {{1, 30, kShadow},
                                {30, 0, kShadow},
                                {59, 30, kHighlight},
                                {61, 30, kFace},
                                {90, 0, kBlack},
                                {119, 30, kBlack}});

    m_pCastList->SetHotCastMember({});
    m_pCastList->SetDraggedCastMember({});
    EXPECT_FALSE(m_pCastList->GetDraggedCastMember());
    m_pCastList->Redraw();
    ExpectColours(m_pCastList, {{1, 30, kFace}, {119, 30, kHighlight}});
}

} // namespace
