#include "ModelTestSupport.h"

#include "model/PlayerTimerStdImpl.h"

#include "host/PropertyHolderScript.h"
#include "host/ScriptExceptionHandler.h"

#include "framework/InterfaceQuery.h"

#include <gmock/gmock.h>

namespace {

// Stands in for the module's error report, which the host publishes.
class RecordingHandler : public SharedObject, public ScriptExceptionHandler {
  public:
    struct Report {
        Pointer<PropertyHolderScript> script;
        std::string name, message;
        int line;
        bool playing;
    };

    explicit RecordingHandler(Pointer<PlayerTimer> timer) : m_pTimer(std::move(timer)) {}
    String GetSharedName() override { return "StdScriptExceptionHandler"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Answer("ScriptExceptionHandler", static_cast<ScriptExceptionHandler*>(this))
            .Result();
    }
    void ReportException(Pointer<ObjectList>, String, String, int) override { ADD_FAILURE(); }
    void ReportScriptException(Pointer<PropertyHolderScript> script, String name, String message,
                               int line) override {
        reports.push_back({script, name.str(), message.str(), line, m_pTimer->IsRunning()});
    }

    std::vector<Report> reports;

  private:
    Pointer<PlayerTimer> m_pTimer;
};

class ScriptTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_pHandler = Pointer<RecordingHandler>(new RecordingHandler(m_pTimer));
        GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pHandler.Get()));
        m_pActor = Place("Actor", nullptr, 1, 1, 100);
        GetSharedObjects()
            ->GetObjectA("Player Timer")
            .As<PlayerTimerStdImpl>("PlayerTimerStdImpl")
            ->GetScriptEngine()
            .SetTimeLimit(std::chrono::milliseconds(100));
    }
    void TearDown() override {
        GetSharedObjects()->RemoveObject(Pointer<SharedObject>(m_pHandler.Get()));
        ModelTest::TearDown();
    }

    // Runs the actor's script once, as the next tick does.
    void Run(const std::string& source) {
        Set(m_pActor, "OnFrame", source);
        m_model.Tick();
    }

    Pointer<PropertyHolderScript> ActorScripts() {
        for (const auto& holder : m_pActor.As<HasProperties>("HasProperties")->GetHolders())
            if (auto scripts = holder.As<PropertyHolderScript>("PropertyHolderScript"))
                return scripts;
        return {};
    }

    Pointer<RecordingHandler> m_pHandler;
    Pointer<Instance> m_pActor;
};

TEST_F(ScriptTest, ScriptsReadAndSetPropertiesOfTheirInstance) {
    Run("local x = tonumber(self:get('TranslateX'))\n"
        "self:set('TranslateX', x + 1.5)\n"
        "self:set('TranslateY', 'abc')\n"
        "assert(self:get('Nothing') == nil and self:set('Nothing', 1) == false)\n"
        "assert(self:class() == 'Actor')");
    EXPECT_TRUE(m_pHandler->reports.empty());
    EXPECT_EQ(Get(m_pActor, "TranslateX"), "1.500000");
    EXPECT_EQ(Get(m_pActor, "TranslateY"), "abc");
}

TEST_F(ScriptTest, TheSandboxHasNoFilesProcessesModulesOrBinaryChunks) {
    Run("assert(io == nil and os == nil and package == nil and require == nil and debug == nil)\n"
        "assert(dofile == nil and loadfile == nil and string.dump == nil)\n"
        "local chunk, problem = load(string.char(27) .. 'Lua')\n"
        "assert(chunk == nil and problem:find('binary'))\n"
        "assert(load('return 1 + 1')() == 2)\n"
        "assert(load('return x', 'c', 'b', {x = 3})() == 3)\n"
        "assert(math.floor(2.5) == 2 and string.upper('a') == 'A' and table.concat({1, 2}) == "
        "'12')");
    EXPECT_TRUE(m_pHandler->reports.empty()) << m_pHandler->reports[0].message;
}

TEST_F(ScriptTest, ErrorsGoToTheHandlerWithHolderNameMessageAndLine) {
    using testing::HasSubstr;
    const std::tuple<const char*, int, testing::Matcher<const std::string&>> errors[] = {
        {"local a = 1\nlocal b = 2\nundefined_function()\n", 3,
         testing::AllOf(HasSubstr("line 3"), HasSubstr("undefined_function"))},
        {"local a = 1\n\nif a then\n", 4, HasSubstr("expected")},
        {"error({})", 0, HasSubstr("table")},
        {"error('plain', 0)", 0, testing::Eq("Script \"OnFrame\": plain")}};
    for (const auto& [source, line, message] : errors) {
        m_pHandler->reports.clear();
        m_pTimer->Start();
        Run(source);
        ASSERT_EQ(m_pHandler->reports.size(), 1u) << source;
        const auto& report = m_pHandler->reports[0];
        EXPECT_TRUE(report.script == ActorScripts() && report.name == "OnFrame") << source;
        EXPECT_EQ(report.line, line) << source;
        EXPECT_THAT(report.message, message);
        EXPECT_FALSE(report.playing) << source; // playback stops before the author is asked
    }
}

TEST_F(ScriptTest, PrintAndWithoutAHandlerErrorsGoToTheDebugger) {
    Run("print('frame', player.frame(), nil)");
    EXPECT_EQ(TVK::GetDebugger()->GetLines().back(), "frame\t2\tnil");
    GetSharedObjects()->RemoveObject(Pointer<SharedObject>(m_pHandler.Get()));
    Run("\nerror('boom')");
    EXPECT_EQ(TVK::GetDebugger()->GetLines().back(), "Error: Script \"OnFrame\", line 2: boom");
}

TEST_F(ScriptTest, AScriptThatLoopsForeverIsStoppedEvenInsidePcall) {
    m_pTimer->Start();
    Run("local n = 0\nwhile true do n = n + 1 end");
    ASSERT_EQ(m_pHandler->reports.size(), 1u);
    EXPECT_NE(m_pHandler->reports[0].message.find("longer than 100 ms"), std::string::npos);
    EXPECT_EQ(m_pHandler->reports[0].line, 2);
    EXPECT_FALSE(m_pTimer->IsRunning());

    Run("while true do pcall(function() while true do end end) end");
    EXPECT_EQ(m_pHandler->reports.size(), 2u);
    Run("local co = coroutine.wrap(function() while true do end end)\nco()");
    EXPECT_EQ(m_pHandler->reports.size(), 3u);
    Run("self:set('TranslateZ', 7)"); // the engine works on afterwards
    EXPECT_EQ(m_pHandler->reports.size(), 3u);
    EXPECT_EQ(Get(m_pActor, "TranslateZ"), "7");
}

TEST_F(ScriptTest, AScriptThatEatsMemoryIsStopped) {
    Run("t = {}\nfor i = 1, 1e9 do t[i] = string.rep('x', 1 << 20) .. i end");
    ASSERT_EQ(m_pHandler->reports.size(), 1u);
    EXPECT_NE(m_pHandler->reports[0].message.find("memory"), std::string::npos);
    Run("t = nil\ncollectgarbage()\nself:set('ScaleX', 2)");
    EXPECT_EQ(m_pHandler->reports.size(), 1u);
    EXPECT_EQ(Get(m_pActor, "ScaleX"), "2");
}

TEST_F(ScriptTest, NewProjectsForgetScriptGlobals) {
    Run("remembered = 5");
    m_pProject->New();
    m_pActor = Place("Actor", nullptr, 1, 1, 100);
    Run("assert(remembered == nil)");
    EXPECT_TRUE(m_pHandler->reports.empty());
}

} // namespace
