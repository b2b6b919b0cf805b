#include "app/PluginHost.h"

#include "framework/Debugger.h"
#include "framework/InterfaceQuery.h"
#include "framework/PluginClass.h"
#include "framework/SharedObjects.h"

#include "host/NotifyFrameChange.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

std::vector<std::string>& Events() {
    static std::vector<std::string> events;
    return events;
}

bool DebuggerMentions(const std::string& text) {
    const auto& lines = TVK::GetDebugger()->GetLines();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

// A single-instance plug-in that records its life and answers its class name.
class RecordingPlugin : public StaticInstancePlugin {
  public:
    void Initialize() override { Events().push_back("init " + GetClass()->GetName().str()); }
    void Shutdown() override { Events().push_back("shutdown " + GetClass()->GetName().str()); }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .AnswerBase(FindStaticInstancePluginInterface(name))
            .Answer(GetClass()->GetName(), this)
            .Result();
    }
};

// A service that other plug-ins require; published under "Host Test Service".
class HostTestService : public RecordingPlugin, public SharedObject {
  public:
    CORVANE_DECLARE_CLASS();
    String GetSharedName() override { return "Host Test Service"; }
    StringList GetRequiredInterfaces() override { return {}; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("HostTestInterface", this)
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .AnswerBase(RecordingPlugin::FindInterface(name))
            .Result();
    }
};
CORVANE_REGISTER_CLASS(HostTestService)

// A recording plug-in that requires the given interfaces.
#define HOST_TEST_REQUIRING(Class, ...)                                                            \
    class Class : public RecordingPlugin {                                                         \
      public:                                                                                      \
        CORVANE_DECLARE_CLASS();                                                                   \
        StringList GetRequiredInterfaces() override { return {__VA_ARGS__}; }                      \
    };                                                                                             \
    CORVANE_REGISTER_CLASS(Class)

// The service above and a service that the model publishes; an interface that
// nothing provides; two plug-ins that require each other.
HOST_TEST_REQUIRING(HostTestConsumer, "HostTestInterface", "HostTestModelInterface")
HOST_TEST_REQUIRING(HostTestOrphan, "NoSuchInterface")
HOST_TEST_REQUIRING(HostTestCycleA, "HostTestCycleB")
HOST_TEST_REQUIRING(HostTestCycleB, "HostTestCycleA")

class HostTestFrameListener : public BasePlugin, public NotifyFrameChange {
  public:
    CORVANE_DECLARE_CLASS();
    void OnFrameChange(int newFrame, int oldFrame) override {
        Events().push_back("frame " + std::to_string(newFrame) + " from " +
                           std::to_string(oldFrame));
    }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("NotifyFrameChange", static_cast<NotifyFrameChange*>(this))
            .Answer("HostTestFrameListener", this)
            .Result();
    }
};
CORVANE_REGISTER_CLASS(HostTestFrameListener)

// Stands for one of the model's published objects.
class HostTestModelObject : public SharedObject {
  public:
    String GetSharedName() override { return "Host Test Model"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("HostTestModelInterface", this)
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }
};

// A registered class that is no plug-in: it does not answer "BasePlugin".
class HostTestNotAPlugin : public virtual BaseObject {
  public:
    CORVANE_DECLARE_CLASS();
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name).Answer("HostTestNotAPlugin", this).Result();
    }
};
CORVANE_REGISTER_CLASS(HostTestNotAPlugin)

class PluginHostTest : public testing::Test {
  protected:
    void SetUp() override {
        Events().clear();
        TVK::GetDebugger()->ClearLines();
        m_model = Pointer<SharedObject>(new HostTestModelObject);
        GetSharedObjects()->AddObject(m_model);
    }
    void TearDown() override {
        m_host.ShutDownPlugins();
        m_host.ReleasePlugins();
        GetSharedObjects()->RemoveObject(m_model);
    }

    PluginHost m_host;
    Pointer<SharedObject> m_model;
};

TEST_F(PluginHostTest, ProvidersStartFirstUnknownClassesAreReportedAndShutDownRunsInReverse) {
    // The last line needs no line feed.
    m_host.CreatePlugins(
        "HostTestConsumer\nNoSuchPluginClass\nHostTestNotAPlugin\n\nHostTestService");
    EXPECT_EQ(m_host.GetPlugins().size(), 2u);
    EXPECT_TRUE(DebuggerMentions("NoSuchPluginClass"));
    EXPECT_TRUE(DebuggerMentions("HostTestNotAPlugin"));
    m_host.Start();
    EXPECT_THAT(Events(), ElementsAre("init HostTestService", "init HostTestConsumer"));
    // The model's interface counts as available: no complaint about it.
    EXPECT_FALSE(DebuggerMentions("HostTestModelInterface"));
    Pointer<SharedObject> published = GetSharedObjects()->GetObjectA("Host Test Service");
    ASSERT_TRUE(published);
    EXPECT_TRUE(published->FindInterface("HostTestInterface"));
    published.Reset();

    Events().clear();
    m_host.ShutDownPlugins();
    EXPECT_THAT(Events(), ElementsAre("shutdown HostTestConsumer", "shutdown HostTestService"));
    m_host.ReleasePlugins();
    EXPECT_FALSE(GetSharedObjects()->GetObjectA("Host Test Service"));
    EXPECT_TRUE(GetSharedObjects()->GetObjectA("Host Test Model"));
    EXPECT_TRUE(m_host.GetPlugins().empty());
}

TEST_F(PluginHostTest, MissingOrCircularRequirementsAreReportedAndEveryPluginStartsOnce) {
    m_host.CreatePlugins("HostTestOrphan\nHostTestCycleA\nHostTestCycleB\nHostTestService\n");
    m_host.Start();
    EXPECT_TRUE(DebuggerMentions("HostTestOrphan requires the interface NoSuchInterface"));
    EXPECT_TRUE(DebuggerMentions("require each other"));
    // What can start does so in list order; a cycle is then broken in list order.
    EXPECT_THAT(Events(), ElementsAre("init HostTestOrphan", "init HostTestService",
                                      "init HostTestCycleA", "init HostTestCycleB"));
}

TEST_F(PluginHostTest, FrameChangesReachEveryPluginThatTakesThem) {
    m_host.CreatePlugins("HostTestFrameListener\nHostTestService\nHostTestFrameListener\n");
    m_host.Start();
    Events().clear();
    m_host.OnFrameChange(7, 6);
    EXPECT_THAT(Events(), ElementsAre("frame 7 from 6", "frame 7 from 6"));
}

TEST_F(PluginHostTest, AMissingPluginFolderIsReportedAndNothingIsCreated) {
    m_host.LoadPluginFolder("/nonexistent/Plugins/");
    EXPECT_TRUE(m_host.GetPlugins().empty());
    EXPECT_TRUE(DebuggerMentions("/nonexistent/Plugins/"));
}

} // namespace
