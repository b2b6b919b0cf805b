#include "core/InputEventDispatcher.h"
#include "core/QuendaInterfaces.h"

#include "framework/ClassRecord.h"
#include "framework/InterfaceQuery.h"
#include "framework/PluginClass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> s_events;
int s_nLiveHandlers = 0;

// Handler plug-ins, counted while they live, that record what they see. The
// first takes left-button presses and captures until the release, passing
// moves on; the second takes moves, presses and keys; the third answers no
// "BasePlugin" and refuses every source.
enum Kind { kFirst, kSecond, kRefusing };

template <Kind K> class Handler : public BasePlugin, public InputEventHandler {
  public:
    Handler() { ++s_nLiveHandlers; }
    ~Handler() override { --s_nLiveHandlers; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", K == kRefusing ? nullptr : static_cast<BasePlugin*>(this))
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Result();
    }
    bool AcceptsSource(InputEventSource*) override { return K != kRefusing; }
    bool OnLButtonDown(POINT p, InputEventSource* source) override {
        if (K == kFirst)
            source->SetEventCapture(Pointer<InputEventHandler>(this));
        return Saw("down", p);
    }
    bool OnMouseMove(POINT p, InputEventSource*) override { return Saw("move", p) && K == kSecond; }
    bool OnLButtonUp(POINT p, InputEventSource* source) override {
        if (K == kFirst)
            source->ReleaseEventCapture();
        return K == kFirst && !Saw("up", p);
    }
    bool OnKeyDown(UINT key, InputEventSource*) override {
        return K == kSecond && Saw("key", {static_cast<LONG>(key), 0});
    }

  private:
    bool Saw(const char* what, POINT p) {
        s_events.push_back(std::string(K == kFirst ? "first " : "second ") + what + " " +
                           std::to_string(p.x) + "," + std::to_string(p.y));
        return true;
    }
};

const char* const kNames[] = {"FirstTestHandler", "SecondTestHandler", "RefusingTestHandler"};
template <Kind K>
ClassRecord s_record(kNames[K], &PluginClass<Handler<K>>::Create,
                     &PluginClass<Handler<K>>::Supports);

class InputEventDispatcherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s_events.clear();
        for (const ClassRecord* record :
             {&s_record<kFirst>, &s_record<kRefusing>, &s_record<kSecond>})
            m_interfaces.AddClass(record->Get());
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
