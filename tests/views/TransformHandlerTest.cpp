#include "ViewTest.h"

#include "framework/SharedObjects.h"

#include <QWidget>
#include <QWindow>

Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace {

class EditedKeyFrame : public KeyFrame {
  public:
    explicit EditedKeyFrame(int number) {
        frame = number;
        m_holders.push_back(Pointer<PropertyHolder>(new FakePropertyHolder));
    }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("KeyFrame", static_cast<KeyFrame*>(this))
            .Answer("HasProperties", static_cast<HasProperties*>(this))
            .Result();
    }
};

// Key frames that answer "HasProperties" (or, as asked, an instance that does
// not), noting every frame it is brought up to date for.
class EditedInstance : public FakeInstance {
  public:
    explicit EditedInstance(bool hasProperties = true)
        : FakeInstance("1", "10"), m_bHasProperties(hasProperties) {}
    Pointer<KeyFrame> GetNextKeyFrame(int fromFrame) override {
        for (const Pointer<KeyFrame>& keyFrame : m_keyFrames)
            if (keyFrame->frame >= fromFrame)
                return keyFrame;
        return {};
    }
    Pointer<KeyFrame> AddKeyFrame(int frame) override {
        return m_keyFrames.emplace_back(new EditedKeyFrame(frame));
    }
    void* FindInterface(const char* name) override {
        return m_bHasProperties || std::string(name) != "HasProperties"
                   ? FakeInstance::FindInterface(name)
                   : nullptr;
    }
    std::vector<std::pair<int, int>> m_applied;

  protected:
    void ApplyFrame(int frame, int previous) override { m_applied.push_back({frame, previous}); }

  private:
    bool m_bHasProperties;
    std::vector<Pointer<KeyFrame>> m_keyFrames;
};

const char* const kGroups[3][3] = {{"TranslateX", "TranslateY", "TranslateZ"},
                                   {"RotationX", "RotationY", "RotationZ"},
                                   {"ScaleX", "ScaleY", "ScaleZ"}};
// The mouse buttons of a drag, as Qt numbers them.
enum Buttons { kLeft = Qt::LeftButton, kRight = Qt::RightButton, kBoth = kLeft | kRight };

} // namespace

class TransformHandlerTest : public ViewTest {
  protected:
    TransformHandlerTest() {
        m_handlerClasses = {"TransformObjectHandler", "TransformViewHandler"};
    }
    void SetUp() override {
        ViewTest::SetUp();
        for (SharedObject* object : std::initializer_list<SharedObject*>{
                 m_pTimer.Get(), m_pTimeLine.Get(), m_pTimeLineWindow.Get()})
            GetSharedObjects()->AddObject(Pointer<SharedObject>(object));
        Use(m_pInstance);
    }
    // The instance the player draws as a box of 50 by 50 pixels around the
    // middle of every view at zoom 1, all its transform properties "2".
    void Use(Pointer<EditedInstance> instance) {
        m_pPlayer->m_boxes = {{{0, 0, 0}, 1.0f, {1, 0, 0}, 1, Pointer<Instance>(instance)}};
        for (const auto& group : kGroups)
            for (const char* name : group)
                instance->SetPropertyValue(name, "2");
    }
    SceneViewWnd* Open(const char* className, float zoom = 1.0f) {
        SceneViewWnd* view = ViewOf(OpenView(className, 400, 300));
        view->SetScale({zoom, 0, 0});
        return view;
    }
    // Mouse input as a person gives it, through the main window, so that Qt
    // picks the widget under the pointer and keeps it while a button is down.
    void Mouse(CWnd* view, CPoint point, QEvent::Type type, Qt::MouseButton button = Qt::NoButton) {
        view->ClientToScreen(&point);
        m_buttons = type == QEvent::MouseButtonPress     ? m_buttons | button
                    : type == QEvent::MouseButtonRelease ? m_buttons & ~button
                                                         : m_buttons;
        QWidget* top = m_pMainWnd->GetWidget()->window();
        QPointF global(point.x, point.y);
        qt_handleMouseEvent(top->windowHandle(), top->mapFromGlobal(global), global, m_buttons,
                            button, type, Qt::NoModifier, m_nTime += 1000);
    }
    // Presses left then right, moves, releases right then left: the buttons asked for.
    void Drag(CWnd* view, int buttons, CPoint from, CPoint by) {
        for (int b : {kLeft, kRight})
            if (buttons & b)
                Mouse(view, from, QEvent::MouseButtonPress, Qt::MouseButton(b));
        Mouse(view, from + by, QEvent::MouseMove);
        for (int b : {kRight, kLeft})
            if (buttons & b)
                Mouse(view, from + by, QEvent::MouseButtonRelease, Qt::MouseButton(b));
    }
    static std::vector<std::string> Values(HasProperties& holder, const char* const names[3]) {
        std::vector<std::string> values;
        for (int i = 0; i < 3; ++i) {
            String value;
            holder.GetPropertyValue(names[i], value);
            values.push_back(value.str());
        }
        return values;
    }
    static std::string CapturedBy(SceneViewWnd* view) {
        const Pointer<InputEventHandler>& handler = view->GetCapturedHandler();
        return handler ? handler->GetClass()->GetName().str() : "";
    }

    const CPoint kMiddle{197, 147}; // of the view's client area, on the box
    const CPoint kEmpty{20, 20};
    Pointer<FakePlayerTimer> m_pTimer = new FakePlayerTimer;
    Pointer<FakeTimeLine> m_pTimeLine = new FakeTimeLine;
    Pointer<FakeTimeLineWindow> m_pTimeLineWindow = new FakeTimeLineWindow;
    Pointer<EditedInstance> m_pInstance = new EditedInstance;
    Qt::MouseButtons m_buttons;
    int m_nTime = 0;
};

TEST_F(TransformHandlerTest, DragsChangeTheGroupOfTheButtonsAlongEachViewsAxes) {
    // The expected values are the group's X, Y, Z; all others stay "2".
    const std::tuple<const char*, int, float, CPoint, std::vector<std::string>> cases[] = {
        {"FrontView", kLeft, 2, {25, -50}, {"2.500000", "3.000000", "2.000000"}},
        {"SideView", kLeft, 1, {25, -25}, {"2.000000", "3.000000", "1.000000"}},
        {"TopView", kLeft, 1, {0, 25}, {"2.000000", "2.000000", "3.000000"}},
        {"FrontView", kRight, 2, {7, 3}, {"5.000000", "9.000000", "2.000000"}},
        {"SideView", kRight, 1, {5, -10}, {"2.000000", "7.000000", "12.000000"}},
        {"TopView", kRight, 2, {5, 10}, {"12.000000", "2.000000", "-3.000000"}},
        {"FrontView", kBoth, 1, {25, -25}, {"3.000000", "3.000000", "2.000000"}},
        {"SideView", kBoth, 2, {25, 25}, {"2.000000", "1.000000", "3.000000"}},
        {"TopView", kBoth, 1, {-25, -25}, {"1.000000", "2.000000", "3.000000"}},
    };
    for (const auto& [name, buttons, zoom, by, expected] : cases) {
        Use(m_pInstance);
        SceneViewWnd* view = Open(name, zoom);
        m_pPlayer->m_nFrame = 7;
        Drag(view, buttons, kMiddle, by);
        for (int g = 0; g < 3; ++g)
            EXPECT_EQ(Values(*m_pInstance, kGroups[g]),
                      g == buttons - 1 ? expected : std::vector<std::string>(3, "2"))
                << name << " buttons " << buttons << " zoom " << zoom;
        EXPECT_EQ(m_pInstance->m_applied.back(), std::make_pair(7, 7));
        EXPECT_EQ(m_pTimeLine->m_pSelected, Pointer<Instance>(m_pInstance));
        EXPECT_EQ(CapturedBy(view), "");
        m_frames.back()->DestroyWindow();
    }
}

TEST_F(TransformHandlerTest, ASelectedKeyFrameOfTheInstanceTakesTheChangeAndTheNextOneTheOpposite) {
    Pointer<KeyFrame> third = m_pInstance->AddKeyFrame(3), sixth = m_pInstance->AddKeyFrame(6);
    Pointer<EditedInstance> other = new EditedInstance;
    // A drag of 25 pixels to the right changes X, Y and X of the three groups.
    const int kChanged[] = {0, 0, 1, 0};
    // The values of the changed property: the third's, the sixth's, the instance's.
    const std::tuple<Pointer<KeyFrame>, int, const char*, const char*, const char*> cases[] = {
        {third, kLeft, "1.000000", "-1.000000", "2"},
        {third, kRight, "25.000000", "-25.000000", "2"},
        {third, kBoth, "1.000000", "", "2"}, // scaling leaves the next alone
        {sixth, kLeft, "", "1.000000", "2"},
        {other->AddKeyFrame(3), kLeft, "", "", "3.000000"},
    };
    SceneViewWnd* view = Open("FrontView");
    for (const auto& [selected, buttons, thirdValue, sixthValue, instanceValue] : cases) {
        Use(m_pInstance);
        const char* const* names = kGroups[buttons - 1];
        for (const Pointer<KeyFrame>& keyFrame : {third, sixth})
            for (int i = 0; i < 3; ++i)
                keyFrame->holders[0]->AddProperty(names[i], "");
        m_pTimeLineWindow->m_pSelected = selected;
        Drag(view, buttons, kMiddle, {25, 0});
        const int i = kChanged[buttons];
        EXPECT_EQ(Values(*third, names)[i], thirdValue) << buttons;
        EXPECT_EQ(Values(*sixth, names)[i], sixthValue) << buttons;
        EXPECT_EQ(Values(*m_pInstance, names)[i], instanceValue) << buttons;
    }
}

TEST_F(TransformHandlerTest, TheSecondButtonScalesAndReleasingOneGoesBackWithoutEndingTheDrag) {
    Open("TopView");
    SceneViewWnd* front = Open("FrontView");
    Mouse(front, kMiddle, QEvent::MouseButtonPress, Qt::LeftButton);
    m_pPlayer->m_draws.clear();
    Mouse(front, kMiddle + CPoint(10, 0), QEvent::MouseMove);
    EXPECT_EQ(m_pPlayer->m_draws.size(), 2u); // both views repainted
    Mouse(front, kMiddle + CPoint(10, 0), QEvent::MouseButtonPress, Qt::RightButton);
    Mouse(front, kMiddle + CPoint(35, 0), QEvent::MouseMove);
    Mouse(front, kMiddle + CPoint(35, 0), QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(CapturedBy(front), "TransformObjectHandler");
    EXPECT_EQ(CWnd::GetCapture(), front);
    Mouse(front, kMiddle + CPoint(45, 0), QEvent::MouseMove);
    Mouse(front, kMiddle + CPoint(45, 0), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(CapturedBy(front), "");
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    Mouse(front, kMiddle, QEvent::MouseMove);
    EXPECT_EQ(Values(*m_pInstance, kGroups[0])[0], "2.400000");
    EXPECT_EQ(Values(*m_pInstance, kGroups[1])[1], "12.000000");
    EXPECT_EQ(Values(*m_pInstance, kGroups[2])[0], "3.000000");
}

TEST_F(TransformHandlerTest, DragsOnEmptySpacePanAndZoomTheViewDownToItsSmallestZoom) {
    const std::tuple<const char*, int, float, CPoint, Float3, float> cases[] = {
        {"FrontView", kLeft, 2, {25, -50}, {0.5f, 1, 0}, 2},
        {"SideView", kLeft, 1, {25, -25}, {0, 1, -1}, 1},
        {"TopView", kLeft, 2, {50, 50}, {1, 0, 1}, 2},
        {"TopView", kRight, 1, {0, -50}, {0, 0, 0}, 1.5f},
        {"SideView", kRight, 0.5f, {0, 60}, {0, 0, 0}, 0.01f},
        {"FrontView", kBoth, 1, {30, 30}, {0, 0, 0}, 1},
    };
    for (const auto& [name, buttons, zoom, by, translation, newZoom] : cases) {
        SceneViewWnd* view = Open(name, zoom);
        m_pTimeLine->m_pSelected = m_pInstance;
        Drag(view, buttons, kEmpty, by);
        EXPECT_EQ(m_pTimeLine->m_pSelected, Pointer<Instance>()) << name;
        for (int i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(view->GetTranslation()[i], translation[i]) << name << i;
        EXPECT_FLOAT_EQ(view->GetScale()[0], newZoom) << name;
        EXPECT_EQ(Values(*m_pInstance, kGroups[0])[0], "2");
        EXPECT_EQ(CapturedBy(view), "");
    }
}

TEST_F(TransformHandlerTest, PressesGoToTheObjectOnAnInstanceElseToTheViewAndNeverWhilePlaying) {
    OGLFrame* camera = OpenView("CameraView", 400, 300);
    EXPECT_EQ(ViewOf(camera)->GetHandlers().GetCount(), 0);
    camera->DestroyWindow();
    SceneViewWnd* front = Open("FrontView");
    ASSERT_EQ(front->GetHandlers().GetCount(), 2);
    EXPECT_STREQ(front->GetHandlers()[0]->GetClass()->GetName(), "TransformObjectHandler");
    for (bool playing : {false, true}) {
        m_pTimer->m_bRunning = playing;
        for (CPoint at : {kMiddle, kEmpty}) {
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                m_pTimeLine->m_pSelected = {};
                Mouse(front, at, QEvent::MouseButtonPress, button);
                Mouse(front, at + CPoint(5, 5), QEvent::MouseMove);
                EXPECT_EQ(CapturedBy(front), playing         ? ""
                                             : at == kMiddle ? "TransformObjectHandler"
                                                             : "TransformViewHandler");
                EXPECT_EQ(
                    m_pTimeLine->m_pSelected,
                    Pointer<Instance>(!playing && at == kMiddle ? m_pInstance.Get() : nullptr));
                Mouse(front, at + CPoint(5, 5), QEvent::MouseButtonRelease, button);
                EXPECT_EQ(CapturedBy(front), "");
            }
        }
    }
    // Only the presses before playing moved the instance and panned and zoomed the view.
    EXPECT_EQ(Values(*m_pInstance, kGroups[0])[0], "2.200000");
    EXPECT_EQ(Values(*m_pInstance, kGroups[1])[0], "7.000000");
    EXPECT_FLOAT_EQ(front->GetTranslation()[0], 0.2f);
    EXPECT_FLOAT_EQ(front->GetScale()[0], 0.95f);
}

TEST_F(TransformHandlerTest, WithoutPropertiesNothingIsWrittenButTheInstanceIsBroughtUpToDate) {
    Pointer<EditedInstance> bare = new EditedInstance(false);
    Use(m_pInstance);
    m_pPlayer->m_boxes[0].instance = bare;
    Drag(Open("TopView"), kLeft, kMiddle, {25, 0});
    EXPECT_EQ(bare->m_applied.size(), 1u);

    // A key frame that has no properties.
    Pointer<FakeInstance> plain = new FakeInstance("1", "10");
    m_pTimeLineWindow->m_pSelected = plain->AddKeyFrame(3);
    m_pPlayer->m_boxes[0].instance = plain;
    Drag(Open("FrontView"), kLeft, kMiddle, {25, 0});
    String value;
    EXPECT_FALSE(plain->GetPropertyValue("TranslateX", value));
}
