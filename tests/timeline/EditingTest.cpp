#include "WindowTest.h"

#include "timeline/AddKeyFrameHandler.h"
#include "timeline/MoveInstances.h"

namespace {

// The time line's editing handlers over the fake time line: what a drag leaves
// of the selection block, and instances that take no key frames.
class EditingTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        UseHandlers({AddKeyFrameHandler::s_classRecord.Get(), MoveInstances::s_classRecord.Get()});
        OpenTimeLine(600, 200);
    }
};

TEST_F(EditingTest, ReleaseClearsTheBlockOfAMoveButKeepsItAfterAKeyFrameMove) {
    m_pTimeLineModel->AddInstance(new FakeInstance("3", "12"), 1, 3, 12);
    Pointer<FakeInstance> actor(new FakeInstance("3", "12"));
    actor->AddKeyFrame(4);
    m_pTimeLineModel->AddInstance(actor, 2, 3, 12);
    Press(m_pTimeLine, Cell(1, 8));
    Move(m_pTimeLine, Cell(1, 9));
    EXPECT_EQ(SelectionBlock(1), std::make_pair(4, 13));
    Release(m_pTimeLine, Cell(1, 9));
    EXPECT_EQ(SelectionBlock(1), std::make_pair(-1, -1));

    m_pTimeLine->SetSelection(2, 3, 4, 3);
    Press(m_pTimeLine, Cell(2, 6)); // the key frame
    Move(m_pTimeLine, Cell(2, 7));
    Release(m_pTimeLine, Cell(2, 7));
    EXPECT_EQ(actor->GetNextKeyFrame(1)->frame, 5);
    EXPECT_EQ(SelectionBlock(3), std::make_pair(2, 4));
    Press(m_pTimeLine, Cell(4, 9)); // an empty cell
    Release(m_pTimeLine, Cell(4, 9));
    m_pTimeLine->Redraw(); // as the frame change it makes does
    EXPECT_EQ(SelectionBlock(3), std::make_pair(2, 4));
}

TEST_F(EditingTest, ShiftDoubleClickAddsNoKeyFrameToAnInstanceWithoutThem) {
    m_pTimeLineModel->AddInstance(new FakeInstance("3", "8", false), 1, 3, 8);
    m_input.DoubleClick(m_pTimeLine->GetWidget(), Cell(1, 5), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(m_pPlayer->m_nFrame, 1);
}

} // namespace
