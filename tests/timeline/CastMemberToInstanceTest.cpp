#include "WindowTest.h"

#include "core/QuendaInterfaces.h"
#include "timeline/CastMemberToInstance.h"

#include "framework/PluginClass.h"
#include "framework/SharedObjects.h"

#include <QWidget>
#include <QWindow>

#include <cmath>

#include <string>
#include <vector>

// The entry through which the window system's mouse input reaches Qt.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

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
        m_pTimer = new FakePlayerTimer;
        GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pTimer));
        m_interfaces.AddClass(PickyInstance::s_classRecord.Get());
        m_interfaces.AddClass(CastMemberToInstance::s_classRecord.Get());
        m_interfaces.Initialize();
        m_pCast->AddCastMember(new FakeCastMember("shown", RGB(255, 0, 0)));
        m_pCast->AddCastMember(new FakeCastMember("refused", RGB(0, 255, 0)));
        // The cast list on the left, the time line to its right.
        OpenCastList(240, 200);
        OpenTimeLine(500, 200);
        MoveFrame(m_pCastList, 0);
        MoveFrame(m_pTimeLine, 400);
        m_pPlayer->m_nFrame = 3;
    }
    void TearDown() override {
        WindowTest::TearDown();
        m_interfaces.Shutdown();
    }
    void MoveFrame(CWnd* frame, int x) {
        CRect outer;
        frame->GetWindowRect(&outer);
        frame->GetParent()->ScreenToClient(&outer);
        frame->MoveWindow(x, 0, outer.Width(), outer.Height());
    }
    // The mouse as a person moves it, at a client point of a window.
    void Mouse(CWnd* window, QPoint point, QEvent::Type type) {
        QWidget* widget = window->GetWidget();
        QWidget* top = widget->window();
        QPoint local = widget->mapTo(top, point);
        if (type == QEvent::MouseButtonPress)
            m_buttons = Qt::LeftButton;
        if (type == QEvent::MouseButtonRelease)
            m_buttons = Qt::NoButton;
        qt_handleMouseEvent(top->windowHandle(), local, top->mapToGlobal(local), m_buttons,
                            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, type,
                            Qt::NoModifier, ++m_nTimestamp);
    }
    // Presses on the tile of a member, drags to the time line cells given
    // (frame, row) and releases on the last; the cells' centres are used.
    void Drag(int tile, std::vector<std::pair<int, int>> cells) {
        Grab(tile);
        for (auto [frame, row] : cells)
            Mouse(m_pTimeLine, Cell(frame, row), QEvent::MouseMove);
        Mouse(m_pTimeLine, Cell(cells.back().first, cells.back().second),
              QEvent::MouseButtonRelease);
    }
    // Moves onto the tile of a member and presses there.
    void Grab(int tile) {
        Mouse(m_pCastList, QPoint(30 + 60 * tile, 28), QEvent::MouseMove);
        Mouse(m_pCastList, QPoint(30 + 60 * tile, 28), QEvent::MouseButtonPress);
    }
    static QPoint Cell(int frame, int row) {
        return QPoint(30 + 12 * frame - 6, 20 + 18 * row - 9);
    }
    // "row start-stop" of every placement after the first n.
    std::vector<std::string> Placed(size_t after = 0) {
        std::vector<std::string> placed;
        for (size_t i = after; i < m_pTimeLineModel->m_placements.size(); ++i) {
            const auto& p = m_pTimeLineModel->m_placements[i];
            placed.push_back(std::to_string(p.row) + " " + std::to_string(p.start) + "-" +
                             std::to_string(p.stop));
        }
        return placed;
    }
    // The time line's selection block as its picture shows it: the first and
    // last frame inside the black outline, on the middle line of the row.
    std::pair<int, int> PreviewFrames(int row) {
        QImage picture = Picture(m_pTimeLine);
        int y = 20 + 18 * row - 9;
        int first = -1, last = -1;
        for (int x = 29; x < picture.width(); ++x)
            if (ColourOf(picture, x, y) == RGB(0, 0, 0)) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first < 0)
            return {-1, -1};
        // The outline is two pixels wide around the block's edges.
        return {static_cast<int>(std::lround((first - 30) / 12.0)) + 1,
                static_cast<int>(std::lround((last + 1 - 30) / 12.0))};
    }

    QuendaInterfaces m_interfaces;
    Pointer<FakePlayerTimer> m_pTimer;
    Qt::MouseButtons m_buttons;
    int m_nTimestamp = 0;
};

TEST_F(CastMemberToInstanceTest, ADropPlaceIsElevenFramesAroundAMiddleOfSixOrMore) {
    m_pTimeLineModel->AddInstance(new FakeInstance("30", "40"), 2, 30, 40);
    const std::pair<std::vector<std::pair<int, int>>, std::vector<std::string>> cases[] = {
        {{{3, 1}}, {"1 1-11"}},
        {{{20, 1}}, {"1 15-25"}},
        {{{20, 2}}, {"2 15-25"}},
        // Frame 25 would take 30: taken.
        {{{25, 2}}, {}},
        {{{20, 3}, {25, 2}}, {}},
    };
    for (const auto& [cells, placed] : cases) {
        m_pTimeLineModel->m_placements.resize(1);
        Drag(0, cells);
        EXPECT_EQ(Placed(1), placed) << cells.back().first << "," << cells.back().second;
    }
    // Placed ones belong to the time line, the others were discarded.
    EXPECT_EQ(PickyInstance::s_nAlive, 0);
}

TEST_F(CastMemberToInstanceTest, ThePreviewFollowsTheMouseAndIsClearedOverTakenPlaces) {
    m_pTimeLineModel->AddInstance(new FakeInstance("30", "40"), 2, 30, 40);
    Grab(0);
    Mouse(m_pTimeLine, Cell(3, 2), QEvent::MouseMove);
    EXPECT_EQ(PreviewFrames(2), std::make_pair(1, 11));
    Mouse(m_pTimeLine, Cell(25, 2), QEvent::MouseMove);
    EXPECT_EQ(PreviewFrames(2), std::make_pair(-1, -1));
    Mouse(m_pTimeLine, Cell(10, 1), QEvent::MouseMove);
    EXPECT_EQ(PreviewFrames(1), std::make_pair(5, 15));
    // Back over the cast list: the last preview stays, the release discards.
    Mouse(m_pCastList, QPoint(30, 28), QEvent::MouseMove);
    EXPECT_EQ(PreviewFrames(1), std::make_pair(5, 15));
    Mouse(m_pCastList, QPoint(30, 28), QEvent::MouseButtonRelease);
    EXPECT_EQ(Placed(1), std::vector<std::string>{});
    EXPECT_EQ(PickyInstance::s_nAlive, 0);
    EXPECT_FALSE(m_pCastList->GetHotCastMember());
    EXPECT_FALSE(m_pCastList->GetDraggedCastMember());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(CastMemberToInstanceTest, TheHotMemberIsTrackedAndOnlyAnAcceptedOneStartsADrag) {
    // The drag handler takes the cast list's input only.
    EXPECT_EQ(m_pCastList->GetHandlers().GetCount(), 1);
    EXPECT_EQ(m_pTimeLine->GetHandlers().GetCount(), 0);
    Mouse(m_pCastList, QPoint(90, 28), QEvent::MouseMove);
    EXPECT_EQ(m_pCastList->GetHotCastMember()->GetName(), "refused");
    Mouse(m_pCastList, QPoint(90, 28), QEvent::MouseButtonPress);
    EXPECT_FALSE(m_pCastList->GetDraggedCastMember());
    Mouse(m_pCastList, QPoint(90, 28), QEvent::MouseButtonRelease);

    // While playing nothing starts; then a press on "shown" marks it dragged.
    m_pTimer->m_bRunning = true;
    Drag(0, {{20, 1}});
    EXPECT_TRUE(Placed().empty());
    m_pTimer->m_bRunning = false;
    CallLog().clear();
    Grab(0);
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"SetCastMember shown", "Initialize"}));
    EXPECT_EQ(m_pCastList->GetDraggedCastMember()->GetName(), "shown");
    // During the drag the hot member stays whatever the mouse passes over.
    Mouse(m_pCastList, QPoint(90, 28), QEvent::MouseMove);
    EXPECT_EQ(m_pCastList->GetHotCastMember()->GetName(), "shown");
    Mouse(m_pCastList, QPoint(90, 28), QEvent::MouseButtonRelease);
}

TEST_F(CastMemberToInstanceTest, AnotherWindowTitledTimeLineIsNotATarget) {
    // Over it the preview is kept, so a release there adds nothing.
    // A plain frame of the window framework that bears the time line's title.
    CMDIChildWnd* impostor = new CMDIChildWnd;
    ASSERT_TRUE(impostor->LoadFrame(105, 0x06FF0000, m_pMainWnd));
    impostor->SetTitle("Time Line");
    impostor->ShowWindow(SW_RESTORE);
    MoveFrame(impostor, 800);
    SetClientSize(impostor, 300, 200);
    Drag(0, {{3, 1}});
    ASSERT_EQ(Placed(), std::vector<std::string>{"1 1-11"});
    Grab(0);
    Mouse(m_pTimeLine, Cell(20, 2), QEvent::MouseMove);
    Mouse(impostor, QPoint(100, 50), QEvent::MouseMove);
    Mouse(impostor, QPoint(100, 50), QEvent::MouseButtonRelease);
    EXPECT_EQ(Placed().size(), 1u);
    impostor->DestroyWindow();
}

} // namespace
