#include "MainWindowTest.h"

#include "core/ModuleExports.h"
#include "core/QuendaInterfaces.h"
#include "timeline/AddKeyFrameHandler.h"
#include "timeline/DeleteHandler.h"
#include "timeline/MoveInstances.h"
#include "timeline/TimeLineFrame.h"

#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"
#include "model/ProjectModel.h"
#include "platform/Automation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gmock/gmock.h>

namespace {

// The time line window with its three editing handlers over the real model.
class EditingTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        GetSharedObjects()->RemoveObject(Pointer<SharedObject>(m_pPlayer));
        Automation::Instance().Clear();
        Automation::Instance().SetSessionMode(true);
        m_model.SetManualTiming(true);
        m_model.SetFrameChangeListener([](int, int) { UpdateAllMDIChildWindows(); });
        m_model.Publish(GetSharedObjects());
        m_pTimeLine = GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
        m_pPlayerModel = GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
        for (const RTTIClass* record :
             {AddKeyFrameHandler::s_classRecord.Get(), DeleteHandler::s_classRecord.Get(),
              MoveInstances::s_classRecord.Get()})
            m_interfaces.AddClass(record);
        m_interfaces.Initialize();
        m_pWindow = new TimeLineFrame(&m_pWindow);
        ASSERT_TRUE(m_pWindow->LoadFrame(105, 0x06FF0000, m_pMainWnd));
        m_pWindow->SetTitle("Time Line");
        m_pWindow->ShowWindow(SW_RESTORE);
        m_pWindow->ActivateFrame();
        SetClientSize(m_pWindow, 600, 200);
    }
    void TearDown() override {
        if (m_pWindow)
            m_pWindow->DestroyWindow();
        m_interfaces.Shutdown();
        m_model.SetFrameChangeListener({});
        m_model.Withdraw(GetSharedObjects());
        Automation::Instance().SetSessionMode(false);
        MainWindowTest::TearDown();
    }

    // An instance placed on the time line with key frames at the frames given.
    Pointer<Instance> Place(const char* className, int row, int start, int stop,
                            std::initializer_list<int> keyFrames = {}) {
        Pointer<Instance> instance(static_cast<Instance*>(
            RTTIClass::FindClass(className)->GetCreateFunction()("Instance")));
        m_pTimeLine->AddInstance(instance, row, start, stop);
        for (int frame : keyFrames)
            instance.As<AllowsKeyFrames>("AllowsKeyFrames")->AddKeyFrame(frame);
        return instance;
    }
    static std::string Get(const Pointer<BaseObject>& object, const char* name) {
        String value;
        object.As<HasProperties>("HasProperties")->GetPropertyValue(name, value);
        return value.str();
    }
    static std::pair<int, int> Frames(const Pointer<Instance>& instance) {
        return {std::stoi(Get(instance, "FrameStart")), std::stoi(Get(instance, "FrameStop"))};
    }
    static std::vector<int> KeyFrames(const Pointer<Instance>& instance) {
        std::vector<int> frames;
        auto allows = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
        for (auto kf = allows->GetNextKeyFrame(1); kf; kf = allows->GetNextKeyFrame(kf->frame + 1))
            frames.push_back(kf->frame);
        return frames;
    }
    // The middle of a cell, in client coordinates.
    static QPointF Cell(int row, int frame) {
        return QPointF(30 + (frame - 1) * 12 + 6, 20 + (row - 1) * 18 + 9);
    }
    void Mouse(QEvent::Type type, QPointF at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* widget = m_pWindow->GetWidget();
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(widget, &event);
    }
    // Press, a move over every frame on the way, release; a click when it stays.
    void Drag(int row, int frame, int toRow, int toFrame) {
        Mouse(QEvent::MouseButtonPress, Cell(row, frame));
        for (int f = frame; f != toFrame;) {
            f += toFrame > f ? 1 : -1;
            Mouse(QEvent::MouseMove, Cell(toRow, f));
        }
        Mouse(QEvent::MouseButtonRelease, Cell(toRow, toFrame));
    }
    // What a person's double-click sends.
    void DoubleClick(QPointF at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            Mouse(type, at, modifiers);
    }
    // Keys go where the focus is: activating the window gives it the focus.
    void PressDelete() {
        m_pWindow->ActivateFrame();
        ASSERT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(m_pWindow));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    // Whether the black selection block has its left edge at the frame.
    bool BlockEdgeAt(int row, int frame) {
        QPointF at = Cell(row, frame);
        return ColourOf(Picture(m_pWindow), 30 + (frame - 1) * 12, int(at.y())) == RGB(0, 0, 0);
    }

    ProjectModel m_model;
    QuendaInterfaces m_interfaces;
    TimeLineFrame* m_pWindow = nullptr;
    Pointer<TimeLine> m_pTimeLine;
    Pointer<Player> m_pPlayerModel;
};

TEST_F(EditingTest, ShiftDoubleClickAddsAKeyFrameOnlyInsideAnInstanceWithRoom) {
    auto actor = Place("Actor", 1, 3, 12, {5});
    Place("FrameScript", 2, 3, 8);
    auto timer = GetSharedObjects()->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer");
    const std::tuple<const char*, QPointF, bool> refused[] = {
        {"first frame", Cell(1, 3), false},     {"last frame", Cell(1, 12), false},
        {"key frame there", Cell(1, 7), false}, {"no key frames", Cell(2, 5), false},
        {"empty cell", Cell(3, 5), false},      {"header", QPointF(10, 10), false},
        {"playing", Cell(1, 6), true},
    };
    for (const auto& [what, at, playing] : refused) {
        playing ? timer->Start() : timer->Stop();
        DoubleClick(at, Qt::ShiftModifier);
        EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(5)) << what;
    }
    timer->Stop();
    // Neither handler opened the property editor for Shift+double-clicks.
    EXPECT_TRUE(Automation::Instance().GetDialogs().empty());

    DoubleClick(Cell(1, 5), Qt::ShiftModifier);
    EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(3, 5));
    EXPECT_EQ(m_pWindow->GetSelectedKeyFrame()->frame, 3);
    EXPECT_EQ(m_pPlayerModel->GetCurrentFrame(), 5);
}

TEST_F(EditingTest, DeleteRemovesTheSelectedKeyFrameAndLaterKeyFramesKeepTheirPlace) {
    auto actor = Place("Actor", 1, 1, 20);
    auto allows = actor.As<AllowsKeyFrames>("AllowsKeyFrames");
    auto fifth = allows->AddKeyFrame(5);
    fifth->SetPropertyValue("TranslateX", "2");
    fifth->SetPropertyValue("Red", "-0.5");
    allows->AddKeyFrame(9)->SetPropertyValue("TranslateX", "3");
    auto at = [&](int frame, const char* name = "TranslateX") {
        actor->PlayerFrameChange(frame, frame);
        return std::stod(Get(actor, name));
    };
    EXPECT_EQ(at(9), 5.0);

    Drag(1, 5, 1, 5); // a click selects the key frame at 5
    PressDelete();
    EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(9));
    EXPECT_FALSE(m_pWindow->GetSelectedKeyFrame());
    // The next key frame takes over the changes, each group its own, and the
    // frame shown is brought up to date.
    EXPECT_EQ(Get(actor, "TranslateX"), "2.500000");
    EXPECT_EQ(at(9), 5.0);
    EXPECT_EQ(at(9, "Red"), 0.5);
    EXPECT_EQ(at(9, "TranslateY"), 0.0);

    Drag(1, 9, 1, 9); // the last one: it takes its changes along
    PressDelete();
    EXPECT_TRUE(KeyFrames(actor).empty());
    EXPECT_EQ(at(9), 0.0);
    EXPECT_EQ(at(9, "Red"), 1.0);
    EXPECT_EQ(m_pTimeLine->GetSelectedInstance(), actor);

    PressDelete(); // no key frame selected: the instance goes
    EXPECT_TRUE(m_pTimeLine->GetInstances(1, 1, 20).empty());
    EXPECT_FALSE(m_pTimeLine->GetSelectedInstance());
    PressDelete(); // nothing selected: nothing happens
}

TEST_F(EditingTest, DragsMoveAndResizeInstancesWithinTheirLimits) {
    const struct {
        const char* what;
        int row, frame, toRow, toFrame;
        int nRow, nStart, nStop;
    } cases[] = {
        {"grabbed at its 4th frame, 3 right", 1, 6, 1, 9, 1, 6, 15},
        {"into a row where the frames are taken", 1, 6, 2, 6, 1, 3, 12},
        {"up against its neighbour", 1, 6, 1, 14, 1, 8, 17},
        {"start dragged right", 1, 3, 1, 14, 1, 11, 12},
        {"end dragged left", 1, 12, 1, 1, 1, 3, 4},
        {"one frame long", 3, 5, 3, 8, 3, 8, 8},
    };
    for (const auto& c : cases) {
        m_pTimeLine->RemoveInstance(m_pTimeLine->GetSelectedInstance(), 0);
        for (int row : {1, 2, 3})
            for (const auto& instance : m_pTimeLine->GetInstances(row, -100, 100))
                m_pTimeLine->RemoveInstance(instance, 0);
        auto ten = Place("Actor", 1, 3, 12);
        Place("Actor", 1, 18, 24);
        Place("Actor", 2, 5, 14);
        auto one = Place("Actor", 3, 5, 5);
        auto dragged = c.row == 3 ? one : ten;
        Drag(c.row, c.frame, c.toRow, c.toFrame);
        EXPECT_EQ(Frames(dragged), std::make_pair(c.nStart, c.nStop)) << c.what;
        EXPECT_EQ(m_pTimeLine->GetInstances(c.nRow, c.nStart, c.nStart).front(), dragged) << c.what;
        EXPECT_EQ(m_pTimeLine->GetSelectedInstance(), dragged) << c.what;
    }
}

TEST_F(EditingTest, KeyFramesMoveWithThePlayHeadButNeverOntoNeighboursOrEnds) {
    auto actor = Place("Actor", 1, 3, 12, {4, 6});
    Drag(1, 6, 1, 9); // rel 4 to the right: stops before rel 6
    EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(5, 6));
    EXPECT_EQ(m_pPlayerModel->GetCurrentFrame(), 7);
    Drag(1, 8, 1, 1); // rel 6 to the left: blocked by rel 5 at once
    EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(5, 6));
    Drag(1, 7, 1, 1); // rel 5 to the left: stops on the frame after the first
    EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(2, 6));
    EXPECT_EQ(m_pPlayerModel->GetCurrentFrame(), 4);
    Drag(1, 8, 1, 20); // rel 6 to the right: stops before the last frame
    EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(2, 9));
}

TEST_F(EditingTest, ReleaseClearsTheBlockOfAMoveButKeepsItAfterAKeyFrameMove) {
    auto actor = Place("Actor", 1, 3, 12, {4});
    Mouse(QEvent::MouseButtonPress, Cell(1, 8));
    Mouse(QEvent::MouseMove, Cell(1, 9));
    EXPECT_TRUE(BlockEdgeAt(1, 4));
    Mouse(QEvent::MouseButtonRelease, Cell(1, 9));
    EXPECT_FALSE(BlockEdgeAt(1, 4));

    m_pWindow->SetSelection(2, 3, 4, 3);
    Drag(1, 7, 1, 8); // the key frame, moved along with its instance
    EXPECT_THAT(KeyFrames(actor), testing::ElementsAre(5));
    EXPECT_TRUE(BlockEdgeAt(3, 2));

    // A press on an empty cell selects nothing and moves the play head.
    Drag(2, 9, 2, 9);
    EXPECT_FALSE(m_pTimeLine->GetSelectedInstance());
    EXPECT_FALSE(m_pWindow->GetSelectedKeyFrame());
    EXPECT_EQ(m_pPlayerModel->GetCurrentFrame(), 9);
    EXPECT_TRUE(BlockEdgeAt(3, 2));
}

TEST_F(EditingTest, DoubleClickOpensThePropertyEditorOfTheSelectionButNotWithShift) {
    auto actor = Place("Actor", 1, 3, 12, {4});
    using Action = Automation::DialogAction;
    Automation::Instance().QueueDialogAnswer(
        true, {{Action::Select, 1001, "TranslateY"}, {Action::Type, 1002, "2.5"}});
    DoubleClick(Cell(1, 9));
    EXPECT_EQ(Get(actor, "TranslateY"), "2.5");
    Automation::Instance().QueueDialogAnswer(false, {});
    DoubleClick(Cell(1, 6)); // the key frame: only what key frames change
    DoubleClick(Cell(1, 6), Qt::ShiftModifier);
    DoubleClick(Cell(3, 6)); // nothing selected
    const auto& dialogs = Automation::Instance().GetDialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    auto items = [](const Automation::DialogRecord& dialog) { return dialog.controls.at(1).items; };
    EXPECT_THAT(items(dialogs[0]), testing::Contains("FrameStart"));
    EXPECT_THAT(items(dialogs[1]), testing::Not(testing::Contains("FrameStart")));
    EXPECT_THAT(items(dialogs[1]), testing::Contains("TranslateY"));
}

} // namespace
