#include "ModelTestSupport.h"

#include "framework/BasePlugin.h"
#include "framework/RTTIClass.h"

#include <set>

namespace {

std::set<std::string> Keys(const nlohmann::json& object) {
    std::set<std::string> keys;
    for (const auto& item : object.items())
        keys.insert(item.key());
    return keys;
}

TEST(ProjectModelPublishing, TheFiveSharedObjectsAnswerTheirInterfacesUntilWithdrawn) {
    SharedObjects registry;
    ProjectModel model;
    model.Publish(&registry);
    const std::pair<const char*, const char*> published[] = {{"Player", "Player"},
                                                             {"Player Timer", "PlayerTimer"},
                                                             {"Time Line", "TimeLine"},
                                                             {"Project", "Project"},
                                                             {"Cast List", "CastList"}};
    for (const auto& [name, interfaceName] : published) {
        auto object = registry.GetObjectA(name);
        ASSERT_TRUE(object) << name;
        EXPECT_EQ(object->GetSharedName().str(), name);
        EXPECT_NE(object->FindInterface(interfaceName), nullptr) << name;
        EXPECT_EQ(object->FindInterface("BaseObject"), nullptr) << name;
    }
    model.Withdraw(&registry);
    EXPECT_TRUE(registry.GetObjects().empty());
}

using ProjectModelTest = ModelTest;

TEST_F(ProjectModelTest, DescribeStateGivesTheSessionDumpFields) {
    auto actor = Place("Actor", nullptr, 2, 3, 40);
    Set(actor, "OnFrame", "-- nothing");
    actor.As<AllowsKeyFrames>("AllowsKeyFrames")->AddKeyFrame(10);
    auto member = NewCastMember("DummyCM");
    m_pCastList->AddCastMember(member);
    Place("FrameScript", member, 1, 5, 5);
    m_pTimeLine->SetSelectedInstance(actor);
    m_pPlayer->SetCurrentFrame(4);

    auto state = m_model.DescribeState();
    EXPECT_EQ(Keys(state), (std::set<std::string>{"project", "instances", "cast"}));
    EXPECT_EQ(state["project"], (nlohmann::json{{"file", ""}, {"frame", 4}, {"playing", false}}));
    ASSERT_EQ(state["instances"].size(), 2u);
    const auto& script = state["instances"][0];
    EXPECT_EQ(Keys(script), (std::set<std::string>{"id", "row", "class", "cast", "start", "stop", "selected",
                                                   "properties", "keyframes"}));
    EXPECT_EQ(script["id"], 2);
    EXPECT_EQ(script["class"], "FrameScript");
    EXPECT_EQ(script["cast"], "Frame Script");
    EXPECT_EQ(script["selected"], false);
    const auto& shown = state["instances"][1];
    EXPECT_EQ(shown["id"], 1);
    EXPECT_EQ(shown["row"], 2);
    EXPECT_EQ(shown["start"], 3);
    EXPECT_EQ(shown["stop"], 40);
    EXPECT_TRUE(shown["cast"].is_null());
    EXPECT_EQ(shown["selected"], true);
    EXPECT_EQ(shown["properties"]["FrameStart"], "3");
    EXPECT_EQ(shown["properties"]["OnFrame"], "-- nothing");
    EXPECT_FALSE(shown["properties"].contains("Type")); // the hidden accumulation
    ASSERT_EQ(shown["keyframes"].size(), 1u);
    EXPECT_EQ(Keys(shown["keyframes"][0]), (std::set<std::string>{"frame", "selected", "properties"}));
    EXPECT_EQ(shown["keyframes"][0]["frame"], 10);
    EXPECT_EQ(shown["keyframes"][0]["properties"]["TranslateX"], "0.000000");
    EXPECT_EQ(state["cast"], (nlohmann::json::array({{{"name", "Frame Script"}, {"class", "DummyCM"}, {"file", ""}}})));
}

TEST_F(ProjectModelTest, TheModelsClassesAreRegisteredPlugIns) {
    for (const char* name : {"Actor", "Light", "FrameScript", "LightCM", "DummyCM"}) {
        const RTTIClass* record = RTTIClass::FindClass(name);
        EXPECT_EQ(record->GetName().str(), name);
        void* part = record->GetCreateFunction()("BasePlugin");
        ASSERT_NE(part, nullptr) << name;
        Pointer<BasePlugin> plugin(static_cast<BasePlugin*>(part));
        EXPECT_EQ(plugin->GetClass(), record);
        EXPECT_NE(plugin->FindInterface(name), nullptr);
    }
}

} // namespace
