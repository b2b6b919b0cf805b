#include "WindowTest.h"

#include "core/QuendaInterfaces.h"

#include "framework/InterfaceQuery.h"
#include "framework/PluginClass.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <string>
#include <vector>

namespace {

std::vector<std::string> s_events;
InputEventSource* s_pLastSource = nullptr;

// Attaches to the windows that answer its window interface only, and records
// what reaches it.
class WindowRecorder : public BasePlugin, public InputEventHandler {
  public:
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Result();
    }
    bool AcceptsSource(InputEventSource* source) override {
        return source->FindInterface(Window()) != nullptr;
    }
    bool OnLButtonDown(POINT p, InputEventSource* source) override {
        return Note(source, "down " + std::to_string(p.x) + "," + std::to_string(p.y));
    }
    bool OnKeyDown(UINT key, InputEventSource* source) override {
        return Note(source, "key " + std::to_string(key));
    }

  protected:
    virtual const char* Window() const = 0;

  private:
    bool Note(InputEventSource* source, const std::string& event) {
        s_pLastSource = source;
        s_events.push_back(std::string(Window()) + " " + event);
        return true;
    }
};

class TimeLineRecorder : public WindowRecorder {
  public:
    CORVANE_DECLARE_CLASS();
    const char* Window() const override { return "TimeLineWindow"; }
};
CORVANE_REGISTER_CLASS(TimeLineRecorder)

class CastListRecorder : public WindowRecorder {
  public:
    CORVANE_DECLARE_CLASS();
    const char* Window() const override { return "CastListWindow"; }
};
CORVANE_REGISTER_CLASS(CastListRecorder)

class InputRoutingTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        s_events.clear();
        s_pLastSource = nullptr;
        m_interfaces.AddClass(TimeLineRecorder::s_classRecord.Get());
        m_interfaces.AddClass(CastListRecorder::s_classRecord.Get());
        m_interfaces.Initialize();
    }
    void TearDown() override {
        WindowTest::TearDown();
        m_interfaces.Shutdown();
    }
    // A left-button press as a person makes it, at a client point.
    static void Press(CWnd* window, int x, int y) {
        QWidget* widget = window->GetWidget();
        const QPointF local(x, y);
        QMouseEvent press(QEvent::MouseButtonPress, local, widget->mapToGlobal(local),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }

    QuendaInterfaces m_interfaces;
};

TEST_F(InputRoutingTest, EachWindowPassesItsInputToTheHandlersThatAcceptItAndTheTimeLineTakesKeys) {
    TimeLineFrame* timeLine = OpenTimeLine(400, 200);
    CastListFrame* castList = OpenCastList(300, 200);
    EXPECT_EQ(timeLine->GetHandlers().GetCount(), 1);
    EXPECT_EQ(castList->GetHandlers().GetCount(), 1);

    Press(timeLine, 100, 50);
    EXPECT_EQ(s_pLastSource, static_cast<InputEventSource*>(timeLine));
    Press(castList, 70, 12);
    EXPECT_EQ(s_pLastSource, static_cast<InputEventSource*>(castList));
    EXPECT_EQ(s_events, (std::vector<std::string>{"TimeLineWindow down 100,50",
                                                  "CastListWindow down 70,12"}));

    timeLine->ActivateFrame();
    ASSERT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(timeLine));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    EXPECT_EQ(s_events.back(), "TimeLineWindow key 46");
}

} // namespace
