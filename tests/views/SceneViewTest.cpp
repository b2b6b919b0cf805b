#include "ViewTest.h"

#include "framework/SharedObjects.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace {

const char* const kViewClasses[] = {"CameraView", "TopView", "FrontView", "SideView"};

// The point nearer to the viewer of each view, and one further away.
const std::tuple<const char*, Float3, Float3> kDepthPairs[] = {
    {"FrontView", {0, 0, 1}, {0, 0, -1}},
    {"SideView", {1, 0, 0}, {-1, 0, 0}},
    {"TopView", {0, 1, 0}, {0, -1, 0}},
    {"CameraView", {0, 0, 2}, {0, 0, -2}},
};

} // namespace

using SceneViewTest = ViewTest;

TEST_F(SceneViewTest, ViewsAnswerTheirInterfacesInOrder) {
    for (const char* className : kViewClasses) {
        // Made by its class record, without a window.
        std::unique_ptr<OGLWnd> made(
            static_cast<OGLWnd*>(RTTIClass::FindClass(className)->GetCreateFunction()("OGLWnd")));
        OGLWnd* view = made.get();
        ASSERT_NE(view, nullptr) << className;
        EXPECT_STREQ(view->GetClass()->GetName(), className);
        EXPECT_EQ(view->FindInterface("OGLWnd"), view);
        EXPECT_EQ(view->FindInterface("CWnd"), static_cast<CWnd*>(view));
        auto* scene = static_cast<SceneViewWnd*>(view);
        EXPECT_EQ(view->FindInterface("SceneView"), static_cast<SceneView*>(scene));
        EXPECT_EQ(view->FindInterface("InputEventSource"), static_cast<InputEventSource*>(scene));
        EXPECT_NE(view->FindInterface(className), nullptr);
        EXPECT_EQ(view->FindInterface("BaseObject"), nullptr);
        EXPECT_EQ(view->FindInterface("InputEventHandler"), nullptr);
        // Handles given out never destroy the view: it keeps one reference on itself.
        EXPECT_EQ(view->GetRefCount(), 1);
    }
}

TEST_F(SceneViewTest, OrthographicViewsShowAndPickTheSceneFromTheirSides) {
    // A box off-centre on the two axes each view shows.
    const std::pair<const char*, Float3> cases[] = {
        {"FrontView", {2, 1, 0}}, {"SideView", {0, 1, 2}}, {"TopView", {2, 0, 1}}};
    std::vector<Pointer<Instance>> instances;
    for (const auto& [className, box] : cases)
        instances.push_back(m_pPlayer->AddBox(box, 0.2f, 1, 0, 0));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [className, box] = cases[i];
        SceneViewWnd* view = ViewOf(OpenView(className, 400, 300));
        ASSERT_NE(view, nullptr);
        CPoint at = ScreenPointOf(view, box);
        EXPECT_EQ(ColourOf(Picture(view), at.x, at.y), RGB(255, 0, 0)) << className;
        EXPECT_EQ(ColourOf(Picture(view), 200, 150), RGB(0, 0, 0)) << className;
        EXPECT_EQ(view->Pick(at), instances[i]) << className;
        EXPECT_FALSE(view->Pick(CPoint(200, 150))) << className;
        EXPECT_EQ(m_pPlayer->m_askedNames.back(), -1);

        // Panned and zoomed, the box is still where the transformation puts it.
        view->SetTranslation({-1, -1, -1});
        view->SetScale({2, 0, 0});
        view->Invalidate();
        at = ScreenPointOf(view, box);
        EXPECT_EQ(ColourOf(Picture(view), at.x, at.y), RGB(255, 0, 0)) << className;
        EXPECT_FALSE(m_pPlayer->m_draws.back()) << "painted in selection mode after a pick";
        EXPECT_EQ(view->Pick(at), instances[i]) << className;
    }
}

TEST_F(SceneViewTest, PickChoosesTheBoxNearestToTheViewer) {
    for (const auto& [className, nearPoint, farPoint] : kDepthPairs) {
        for (bool nearerFirst : {true, false}) {
            m_pPlayer->m_boxes.clear();
            if (!nearerFirst)
                m_pPlayer->AddBox(farPoint, 0.5f, 0, 1, 0);
            Pointer<Instance> nearer = m_pPlayer->AddBox(nearPoint, 0.5f, 1, 0, 0);
            if (nearerFirst)
                m_pPlayer->AddBox(farPoint, 0.5f, 0, 1, 0);
            SceneViewWnd* view = ViewOf(OpenView(className, 400, 300));
            CRect client;
            view->GetClientRect(&client);
            EXPECT_EQ(view->Pick(client.CenterPoint()), nearer) << className;
            // The picture agrees: the nearer box hides the other.
            EXPECT_EQ(ColourOf(Picture(view), client.Width() / 2, client.Height() / 2),
                      RGB(255, 0, 0));
        }
    }
}

TEST_F(SceneViewTest, EqualDepthsKeepTheEarlierHitSixteenBoxesFitTheBufferSeventeenOverflow) {
    Pointer<Instance> first = m_pPlayer->AddBox({0, 0, 0}, 0.5f, 1, 0, 0);
    m_pPlayer->AddBox({0, 0, 0}, 0.5f, 0, 1, 0);
    SceneViewWnd* view = ViewOf(OpenView("FrontView", 400, 300));
    EXPECT_EQ(view->DetermineSelection(CPoint(200, 150)), 1);
    EXPECT_EQ(view->Pick(CPoint(200, 150)), first);

    m_pPlayer->m_boxes.clear();
    for (int i = 0; i < 16; ++i)
        m_pPlayer->AddBox({0, 0, static_cast<float>(i) * 0.1f}, 0.5f, 1, 1, 1);
    // The nearest of the sixteen is the last one, furthest along +z.
    EXPECT_EQ(view->DetermineSelection(CPoint(200, 150)), 16);

    m_pPlayer->AddBox({0, 0, 1.6f}, 0.5f, 1, 1, 1);
    EXPECT_EQ(view->DetermineSelection(CPoint(200, 150)), -1);
    EXPECT_FALSE(view->Pick(CPoint(200, 150)));
    EXPECT_EQ(m_pPlayer->m_askedNames.back(), -1);
}

TEST_F(SceneViewTest, WithoutAPlayerViewsDrawBlackAndPickNothing) {
    GetSharedObjects()->RemoveObject(Pointer<SharedObject>(m_pPlayer));
    for (const char* className : kViewClasses) {
        SceneViewWnd* view = ViewOf(OpenView(className, 200, 150));
        EXPECT_EQ(ColourOf(Picture(view), 10, 10), RGB(0, 0, 0));
        EXPECT_FALSE(view->Pick(CPoint(100, 75)));
    }
}

TEST_F(SceneViewTest, MouseAndKeysOfTheWindowReachTheHandlersThatAcceptIt) {
    SceneViewWnd* side = ViewOf(OpenView("SideView", 300, 200));
    EXPECT_EQ(side->GetHandlers().GetCount(), 0);
    side->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SceneViewWnd* front = ViewOf(OpenView("FrontView", 300, 200));
    ASSERT_EQ(front->GetHandlers().GetCount(), 1);
    QWidget* widget = front->GetWidget();
    // Where client points lie on the widget, which also carries the view's border.
    auto at = [&](int x, int y) {
        CPoint point(x, y);
        front->ClientToScreen(&point);
        return widget->mapFromGlobal(QPointF(point.x, point.y));
    };
    QMouseEvent press(QEvent::MouseButtonPress, at(40, 30), widget->mapToGlobal(at(40, 30)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at(42, 31), widget->mapToGlobal(at(42, 31)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(widget, &key);

    EXPECT_EQ(RecordingHandler::Events(),
              (std::vector<std::string>{"LButtonDown 40,30 FrontView", "LButtonUp 42,31 FrontView",
                                        "KeyDown 65 FrontView"}));
}

TEST_F(SceneViewTest, ClosingAndReopeningGivesAFreshView) {
    OGLFrame* frame = OpenView("TopView", 300, 200);
    ViewOf(frame)->SetScale({3, 3, 3});
    frame->DestroyWindow();
    SceneViewWnd* fresh = ViewOf(OpenView("TopView", 300, 200));
    EXPECT_FLOAT_EQ(fresh->GetScale()[0], 1.0f);
}
