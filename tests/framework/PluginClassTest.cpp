#include "framework/PluginClass.h"
#include "framework/ClassNotFoundException.h"
#include "framework/InterfaceQuery.h"
#include "framework/PluginManager.h"
#include "framework/SingleInstancePluginClass.h"
#include "framework/StaticInstancePlugin.h"

#include <gtest/gtest.h>

namespace {

class Greeting : public virtual BaseObject {
  public:
    virtual const char* Greet() = 0;
};

int s_nLiveObjects = 0;

// A single-instance plug-in built like the module's menu handlers.
class SingleTestPlugin : public StaticInstancePlugin, public Greeting {
  public:
    CORVANE_DECLARE_CLASS();
    SingleTestPlugin() { ++s_nLiveObjects; }
    ~SingleTestPlugin() override { --s_nLiveObjects; }

    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("Greeting", static_cast<Greeting*>(this))
            .AnswerBase(FindStaticInstancePluginInterface(name))
            .Answer("SingleTestPlugin", this)
            .Result();
    }
    void Initialize() override {}
    void Shutdown() override {}
    StringList GetRequiredInterfaces() override { return {"Greeting"}; }
    const char* Greet() override { return "single"; }
};
CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(SingleTestPlugin)

class OrdinaryTestPlugin : public BasePlugin, public Greeting {
  public:
    CORVANE_DECLARE_CLASS();
    OrdinaryTestPlugin() { ++s_nLiveObjects; }
    ~OrdinaryTestPlugin() override { --s_nLiveObjects; }

    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("Greeting", static_cast<Greeting*>(this))
            .Answer("OrdinaryTestPlugin", this)
            .Result();
    }
    const char* Greet() override { return "ordinary"; }
};
CORVANE_REGISTER_CLASS(OrdinaryTestPlugin)

using Single = SingleInstancePluginClass<SingleTestPlugin>;

class SingleInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    // The record is never released by the pattern itself; tests clean up.
    static void Forget() {
        delete static_cast<BaseObject*>(Single::s_pInstance);
        Single::s_pInstance = nullptr;
    }
};

TEST_F(SingleInstanceTest,
       NamedCreatesShareTheRecordedObjectAndRefusedOnesOrSupportsRecordNothing) {
    EXPECT_EQ(Single::Create("NoSuchInterface"), nullptr);
    EXPECT_TRUE(Single::Supports("Greeting"));
    EXPECT_EQ(Single::s_pInstance, nullptr);
    EXPECT_EQ(s_nLiveObjects, 0);

    void* first = Single::Create("Greeting");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Single::Create("NoSuchInterface"), nullptr);
    EXPECT_TRUE(Single::Supports("StaticInstancePlugin"));
    EXPECT_FALSE(Single::Supports("Nothing"));
    EXPECT_EQ(Single::Create("Greeting"), first);
    EXPECT_EQ(s_nLiveObjects, 1);
    EXPECT_EQ(static_cast<Greeting*>(first)->Greet(), std::string("single"));
    // BasePlugin is the base inside the static-instance part.
    EXPECT_EQ(Single::Create("BasePlugin"),
              static_cast<BasePlugin*>(static_cast<StaticInstancePlugin*>(
                  static_cast<SingleTestPlugin*>(Single::s_pInstance))));
}

TEST_F(SingleInstanceTest, UnnamedCreateReplacesTheRecord) {
    Single::Create("Greeting");
    Forget(); // as the host would after shut-down
    void* unnamed = Single::Create(nullptr);
    EXPECT_EQ(unnamed, Single::s_pInstance);
    EXPECT_NE(Single::Create("Greeting"), nullptr);
}

TEST(InterfaceQueryTest, NamesAreExactAndCaseSensitiveAndBaseObjectIsNeverAnswered) {
    OrdinaryTestPlugin plugin;
    EXPECT_EQ(plugin.FindInterface("OrdinaryTestPlugin"), &plugin);
    for (const char* name :
         {"baseplugin", "BasePlugin ", "Base", "BaseObject", (const char*)nullptr})
        EXPECT_EQ(plugin.FindInterface(name), nullptr) << (name ? name : "null");
}

TEST(OrdinaryClassTest, EachCreateBuildsAnObjectAndARefusedNameDestroysIt) {
    using Ordinary = PluginClass<OrdinaryTestPlugin>;
    int before = s_nLiveObjects;
    {
        Pointer<Greeting> a(static_cast<Greeting*>(Ordinary::Create("Greeting")));
        Pointer<Greeting> b(static_cast<Greeting*>(Ordinary::Create("Greeting")));
        EXPECT_NE(a.Get(), b.Get());
        EXPECT_EQ(a->GetRefCount(), 1);
        EXPECT_EQ(s_nLiveObjects, before + 2);
        EXPECT_EQ(Ordinary::Create("Nothing"), nullptr);
        EXPECT_EQ(s_nLiveObjects, before + 2);
        EXPECT_TRUE(Ordinary::Supports("Greeting"));
        EXPECT_EQ(s_nLiveObjects, before + 2);
    }
    EXPECT_EQ(s_nLiveObjects, before);
}

TEST(ClassRecordTest, RegisteredAtLoadFoundByExactNameAndDestroyedOnce) {
    const RTTIClass* record = RTTIClass::FindClass("OrdinaryTestPlugin");
    EXPECT_EQ(record, OrdinaryTestPlugin::s_classRecord.Get());
    EXPECT_EQ(record->GetName(), "OrdinaryTestPlugin");
    EXPECT_EQ(RTTIClass::LookUpClass("ordinarytestplugin"), nullptr);

    ClassRecord temporary("TemporaryTestClass", &PluginClass<OrdinaryTestPlugin>::Create,
                          &PluginClass<OrdinaryTestPlugin>::Supports);
    EXPECT_EQ(RTTIClass::FindClass("TemporaryTestClass"), temporary.Get());
    temporary.Destroy();
    temporary.Destroy(); // the guard makes the second one a no-op
    EXPECT_TRUE(temporary.IsDestroyed());
    try {
        RTTIClass::FindClass("TemporaryTestClass");
        FAIL() << "a destroyed record is still registered";
    } catch (ClassNotFoundException* e) {
        EXPECT_NE(std::string(e->GetDescription()).find("TemporaryTestClass"), std::string::npos);
        delete e;
    }
}

TEST(PluginManagerTest, CreatesRegisteredPluginsByNameAndReportsMissingLibraries) {
    Pointer<BasePlugin> plugin = GetPluginManager()->CreateDynamicPlugin("OrdinaryTestPlugin");
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin.As<Greeting>("Greeting")->Greet(), std::string("ordinary"));
    EXPECT_EQ(plugin->GetRefCount(), 1);
    EXPECT_FALSE(GetPluginManager()->LoadLibrary("/nonexistent/Nothing.dll"));
    EXPECT_TRUE(GetPluginManager()->LoadFolder("/nonexistent-folder").empty());
}

} // namespace
