#include "WindowTest.h"

#include "timeline/CastMemberToInstance.h"

#include "framework/PluginClass.h"

#include <string>
#include <vector>

namespace {

// An instance class that shows only the cast member named "shown"; every
// object of it is counted while it lives.
class PickyInstance : public FakeInstance, public BasePlugin {
  public:
    CORVANE_DECLARE_CLASS();
    static inline int s_nAlive = 0;

    PickyInstance() : FakeInstance("0", "0") { ++s_nAlive; }
    ~PickyInstance() override { --s_nAlive; }
    bool AcceptsCastMember(Pointer<CastMember> member) override {
        return member->GetName() == "shown";
    }
    void Initialize() override { CallLog().push_back("Initialize"); }
    void SetCastMember(Pointer<CastMember> member) override {
        CallLog().push_back("SetCastMember " + member->GetName().str());
    }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .AnswerBase(FakeInstance::FindInterface(name))
            .Result();
    }
};
CORVANE_REGISTER_CLASS(PickyInstance)

class CastMemberToInstanceTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        CallLog().clear();
        UseHandlers(
            {PickyInstance::s_classRecord.Get(), CastMemberToInstance::s_classRecord.Get()});
        m_pCast->AddCastMember(new FakeCastMember("shown", RGB(255, 0, 0)));
        m_pCast->AddCastMember(new FakeCastMember("refused", RGB(0, 255, 0)));
        // The cast list on the left, the time line to its right.
        OpenCastList(240, 200);
        OpenTimeLine(500, 200);
        MoveFrame(m_pCastList, 0);
        MoveFrame(m_pTimeLine, 400);
    }
    void MoveFrame(CWnd* frame, int x, int y = 0) {
        CRect outer;
        frame->GetWindowRect(&outer);
        frame->GetParent()->ScreenToClient(&outer);
        frame->MoveWindow(x, y, outer.Width(), outer.Height());
    }
    // Moves onto the tile of a member and presses there.
    void Grab(int tile) {
        Move(m_pCastList, Tile(tile));
        Press(m_pCastList, Tile(tile));
    }
    static QPoint Tile(int tile) { return QPoint(30 + 60 * tile, 28); }
};

TEST_F(CastMemberToInstanceTest, ThePreviewFollowsTheMouseAndIsClearedOverTakenPlaces) {
    m_pTimeLineModel->AddInstance(new FakeInstance("30", "40"), 2, 30, 40);
    Grab(0);
    Move(m_pTimeLine, Cell(2, 3));
    EXPECT_EQ(SelectionBlock(2), std::make_pair(1, 11));
    Move(m_pTimeLine, Cell(2, 25));
    EXPECT_EQ(SelectionBlock(2), std::make_pair(-1, -1));
    Move(m_pTimeLine, Cell(1, 10));
    EXPECT_EQ(SelectionBlock(1), std::make_pair(5, 15));
    // Back over the cast list: the last preview stays, the release discards.
    Move(m_pCastList, Tile(0));
    EXPECT_EQ(SelectionBlock(1), std::make_pair(5, 15));
    Release(m_pCastList, Tile(0));
    EXPECT_EQ(m_pTimeLineModel->m_placements.size(), 1u);
    EXPECT_EQ(PickyInstance::s_nAlive, 0);
    EXPECT_FALSE(m_pCastList->GetHotCastMember());
    EXPECT_FALSE(m_pCastList->GetDraggedCastMember());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(CastMemberToInstanceTest, TheHotMemberIsTrackedAndOnlyAnAcceptedOneStartsADrag) {
    Move(m_pCastList, Tile(1));
    EXPECT_EQ(m_pCastList->GetHotCastMember()->GetName(), "refused");
    Press(m_pCastList, Tile(1));
    EXPECT_FALSE(m_pCastList->GetDraggedCastMember());
    Release(m_pCastList, Tile(1));

    Grab(0);
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"SetCastMember shown", "Initialize"}));
    EXPECT_EQ(m_pCastList->GetDraggedCastMember()->GetName(), "shown");
    // During the drag the hot member stays whatever the mouse passes over.
    Move(m_pCastList, Tile(1));
    EXPECT_EQ(m_pCastList->GetHotCastMember()->GetName(), "shown");
    Release(m_pCastList, Tile(1));
}

TEST_F(CastMemberToInstanceTest, AnotherWindowTitledTimeLineIsNotATarget) {
    // A plain frame of the window framework that bears the time line's title:
    // over it the preview is kept, so a release there adds nothing.
    CMDIChildWnd* impostor = new CMDIChildWnd;
    ASSERT_TRUE(impostor->LoadFrame(105, 0x06FF0000, m_pMainWnd));
    impostor->SetTitle("Time Line");
    impostor->ShowWindow(SW_RESTORE);
    MoveFrame(impostor, 400, 260); // below the time line, on the screen
    SetClientSize(impostor, 300, 200);
    Grab(0);
    Move(m_pTimeLine, Cell(1, 3));
    Release(m_pTimeLine, Cell(1, 3));
    ASSERT_EQ(m_pTimeLineModel->m_placements.size(), 1u);
    Grab(0);
    Move(m_pTimeLine, Cell(2, 20));
    Move(impostor, QPoint(100, 50));
    EXPECT_EQ(SelectionBlock(2), std::make_pair(15, 25));
    Release(impostor, QPoint(100, 50));
    EXPECT_EQ(m_pTimeLineModel->m_placements.size(), 1u);
    impostor->DestroyWindow();
}

} // namespace
