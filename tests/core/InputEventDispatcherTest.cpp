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

// A handler plug-in that counts the live ones and accepts every source.
class CountedHandler : public BasePlugin, public InputEventHandler {
  public:
    CountedHandler() { ++s_nLiveHandlers; }
    ~CountedHandler() override { --s_nLiveHandlers; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Result();
    }
    bool AcceptsSource(InputEventSource*) override { return true; }

  protected:
    bool Saw(const std::string& what, POINT p) {
        s_events.push_back(what + " " + std::to_string(p.x) + "," + std::to_string(p.y));
        return true;
    }
};

// Takes left-button presses and captures until the release; records what it sees.
class TakesLeftDown : public CountedHandler {
  public:
    CORVANE_DECLARE_CLASS();
    bool OnLButtonDown(POINT p, InputEventSource* source) override {
        source->SetEventCapture(Pointer<InputEventHandler>(this));
        return Saw("first down", p);
    }
    bool OnMouseMove(POINT p, InputEventSource*) override { return !Saw("first move", p); }
    bool OnLButtonUp(POINT p, InputEventSource* source) override {
        source->ReleaseEventCapture();
        return !Saw("first up", p);
    }
};
CORVANE_REGISTER_CLASS(TakesLeftDown)

class SeesEverything : public CountedHandler {
  public:
    CORVANE_DECLARE_CLASS();
    bool OnLButtonDown(POINT p, InputEventSource*) override { return Saw("second down", p); }
    bool OnMouseMove(POINT p, InputEventSource*) override { return Saw("second move", p); }
    bool OnKeyDown(UINT key, InputEventSource*) override {
        return Saw("second key", {static_cast<LONG>(key), 0});
    }
};
CORVANE_REGISTER_CLASS(SeesEverything)

// Answers no "BasePlugin", and refuses every source.
class RefusesEverySource : public CountedHandler {
  public:
    CORVANE_DECLARE_CLASS();
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

TEST_F(InputEventDispatcherTest, AcceptingHandlersAttachInOrderAndTheFirstTakerHidesAnEvent) {
    {
        InputEventDispatcher source;
        source.AttachHandlers();
        ASSERT_EQ(source.GetHandlers().GetCount(), 2);
        EXPECT_EQ(s_nLiveHandlers, 2); // the refused one was destroyed again
        source.AttachHandlers();       // attaching again starts from an empty list
        EXPECT_EQ(source.GetHandlers().GetCount(), 2);
        EXPECT_EQ(s_nLiveHandlers, 2);
        source.PassEvent(WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(3, 4));
        source.PassEvent(WM_KEYDOWN, VK_DELETE, 0);
        source.PassEvent(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1)); // nobody reacts: dropped
    }
    EXPECT_EQ(s_nLiveHandlers, 0);
    EXPECT_EQ(s_events,
              (std::vector<std::string>{"first move 3,4", "second move 3,4", "second key 46,0"}));
}

TEST_F(InputEventDispatcherTest, CaptureSendsEveryEventToTheCapturingHandlerAlone) {
    InputEventDispatcher source;
    source.AttachHandlers();
    source.PassEvent(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    ASSERT_TRUE(source.GetCapturedHandler());
    source.PassEvent(WM_MOUSEMOVE, MK_LBUTTON,
                     MAKELPARAM(-5, 30));                // false result, still not passed on
    source.PassEvent(WM_KEYDOWN, VK_DELETE, 0);          // the captor ignores keys: dropped
    source.PassEvent(WM_LBUTTONUP, 0, MAKELPARAM(0, 0)); // releases the capture
    EXPECT_FALSE(source.GetCapturedHandler());
    source.PassEvent(WM_MOUSEMOVE, 0, MAKELPARAM(1, 2));
    EXPECT_EQ(s_events,
              (std::vector<std::string>{"first down 10,20", "first move -5,30", "first up 0,0",
                                        "first move 1,2", "second move 1,2"}));
}

TEST(InputEventDispatcherWithoutModuleTest, NothingIsAttachedWhenTheCataloguesAreNotRunning) {
    InputEventDispatcher source;
    source.AttachHandlers();
    EXPECT_EQ(source.GetHandlers().GetCount(), 0);
    source.PassEvent(WM_LBUTTONDOWN, 0, 0); // dropped
}

} // namespace
