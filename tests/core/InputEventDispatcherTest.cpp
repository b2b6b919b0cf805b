#include "core/InputEventDispatcher.h"
#include "core/QuendaInterfaces.h"

#include "framework/InterfaceQuery.h"
#include "framework/PluginClass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> s_events;
int s_nLiveHandlers = 0;

LPARAM PointParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<std::uint16_t>(y) << 16) |
                               static_cast<std::uint16_t>(x));
}

// Takes left-button presses; records everything it sees.
class TakesLeftDown : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();
    TakesLeftDown() { ++s_nLiveHandlers; }
    ~TakesLeftDown() override { --s_nLiveHandlers; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Result();
    }
    bool AcceptsSource(InputEventSource*) override { return true; }
    bool OnLButtonDown(POINT p, InputEventSource* source) override {
        s_events.push_back("first down " + std::to_string(p.x) + "," + std::to_string(p.y));
        source->SetEventCapture(Pointer<InputEventHandler>(this));
        return true;
    }
    bool OnMouseMove(POINT p, InputEventSource*) override {
        s_events.push_back("first move " + std::to_string(p.x) + "," + std::to_string(p.y));
        return false;
    }
    bool OnLButtonUp(POINT, InputEventSource* source) override {
        s_events.push_back("first up");
        source->ReleaseEventCapture();
        return false;
    }
};
CORVANE_REGISTER_CLASS(TakesLeftDown)

class SeesEverything : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();
    SeesEverything() { ++s_nLiveHandlers; }
    ~SeesEverything() override { --s_nLiveHandlers; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Result();
    }
    bool AcceptsSource(InputEventSource*) override { return true; }
    bool OnLButtonDown(POINT, InputEventSource*) override { return Saw("second down"); }
    bool OnMouseMove(POINT, InputEventSource*) override { return Saw("second move"); }
    bool OnKeyDown(UINT key, InputEventSource*) override {
        return Saw("second key " + std::to_string(key));
    }

  private:
    bool Saw(const std::string& what) {
        s_events.push_back(what);
        return true;
    }
};
CORVANE_REGISTER_CLASS(SeesEverything)

class RefusesEverySource : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();
    RefusesEverySource() { ++s_nLiveHandlers; }
    ~RefusesEverySource() override { --s_nLiveHandlers; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Result();
    }
    bool AcceptsSource(InputEventSource*) override { return false; }
};
CORVANE_REGISTER_CLASS(RefusesEverySource)

class InputEventDispatcherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s_events.clear();
        m_interfaces.AddClass(TakesLeftDown::s_classRecord.Get());
        m_interfaces.AddClass(RefusesEverySource::s_classRecord.Get());
        m_interfaces.AddClass(SeesEverything::s_classRecord.Get());
        m_interfaces.Initialize();
    }
    void TearDown() override { m_interfaces.Shutdown(); }

    QuendaInterfaces m_interfaces;
};

TEST_F(InputEventDispatcherTest, AttachesAcceptingHandlersInCatalogueOrderAndDropsTheRest) {
    {
        InputEventDispatcher source;
        source.AttachHandlers();
        ASSERT_EQ(source.GetHandlers().GetCount(), 2);
        EXPECT_EQ(s_nLiveHandlers, 2); // the refused one was destroyed again
        source.AttachHandlers();       // attaching again starts from an empty list
        EXPECT_EQ(source.GetHandlers().GetCount(), 2);
        EXPECT_EQ(s_nLiveHandlers, 2);
    }
    EXPECT_EQ(s_nLiveHandlers, 0);
}

TEST_F(InputEventDispatcherTest, TheFirstHandlerThatTakesAnEventHidesItFromTheRest) {
    InputEventDispatcher source;
    source.AttachHandlers();
    source.PassEvent(WM_MOUSEMOVE, MK_SHIFT, PointParam(3, 4));
    source.PassEvent(WM_KEYDOWN, VK_DELETE, 0);
    source.PassEvent(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(1, 1)); // nobody reacts: dropped
    EXPECT_EQ(s_events,
              (std::vector<std::string>{"first move 3,4", "second move", "second key 46"}));
}

TEST_F(InputEventDispatcherTest, CaptureSendsEveryEventToTheCapturingHandlerAlone) {
    InputEventDispatcher source;
    source.AttachHandlers();
    source.PassEvent(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(10, 20));
    ASSERT_TRUE(source.GetCapturedHandler());
    source.PassEvent(WM_MOUSEMOVE, MK_LBUTTON,
                     PointParam(-5, 30));                // false result, still not passed on
    source.PassEvent(WM_KEYDOWN, VK_DELETE, 0);          // the captor ignores keys: dropped
    source.PassEvent(WM_LBUTTONUP, 0, PointParam(0, 0)); // releases the capture
    EXPECT_FALSE(source.GetCapturedHandler());
    source.PassEvent(WM_MOUSEMOVE, 0, PointParam(1, 2));
    EXPECT_EQ(s_events, (std::vector<std::string>{"first down 10,20", "first move -5,30",
                                                  "first up", "first move 1,2", "second move"}));
}

TEST(InputEventDispatcherWithoutModuleTest, NothingIsAttachedWhenTheCataloguesAreNotRunning) {
    InputEventDispatcher source;
    source.AttachHandlers();
    EXPECT_EQ(source.GetHandlers().GetCount(), 0);
    source.PassEvent(WM_LBUTTONDOWN, 0, 0); // dropped
}

} // namespace
