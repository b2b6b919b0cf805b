#include "ViewTest.h"

#include "framework/SharedObjects.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace {

const char* const kViewClasses[] = {"CameraView", "TopView", "FrontView", "SideView"};

} // namespace

CORVANE_REGISTER_CLASS(RecordingHandler)

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

TEST_F(SceneViewTest, ViewsShowAndPickTheBoxNearestToTheViewerAndPaintAgainAfterAPick) {
    // A red box nearer to the viewer than a green one and where both show:
    // off-centre on the two axes of an orthographic view, at 25 pixels a unit
    // around the middle of a 400 x 300 client area, and in the middle of the
    // camera's (373 x 280 inside the frame's margin).
    const std::tuple<const char*, Float3, Float3, CPoint> cases[] = {
        {"FrontView", {2, 1, 1}, {2, 1, -1}, {250, 125}},
        {"SideView", {1, 1, 2}, {-1, 1, 2}, {150, 125}},
        {"TopView", {2, 1, 1}, {2, -1, 1}, {250, 175}},
        {"CameraView", {0, 0, 2}, {0, 0, -2}, {186, 140}},
    };
    for (const auto& [className, nearPoint, farPoint, at] : cases) {
        for (bool nearerFirst : {true, false}) {
            m_pPlayer->m_boxes.clear();
            if (!nearerFirst)
                m_pPlayer->AddBox(farPoint, 0.5f, 0, 1, 0);
            Pointer<Instance> nearer = m_pPlayer->AddBox(nearPoint, 0.5f, 1, 0, 0);
            if (nearerFirst)
                m_pPlayer->AddBox(farPoint, 0.5f, 0, 1, 0);
            SceneViewWnd* view = ViewOf(OpenView(className, 400, 300));
            EXPECT_EQ(view->Pick(at), nearer) << className;
            EXPECT_FALSE(view->Pick(CPoint(5, 5))) << className;
            EXPECT_EQ(m_pPlayer->m_askedNames.back(), -1);
            view->Invalidate();
            EXPECT_EQ(ColourOf(Picture(view), at.x, at.y), RGB(255, 0, 0)) << className;
            EXPECT_EQ(ColourOf(Picture(view), 5, 5), RGB(0, 0, 0)) << className;
            EXPECT_FALSE(m_pPlayer->m_draws.back()) << "painted in selection mode after a pick";
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
