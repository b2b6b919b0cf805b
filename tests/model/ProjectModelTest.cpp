#include "ModelTestSupport.h"

#include <functional>

namespace {

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
    EXPECT_EQ(state.size(), 3u);
    EXPECT_EQ(state["project"],
              nlohmann::json::parse(R"({"file": "", "frame": 4, "playing": false})"));
    EXPECT_EQ(state["cast"], nlohmann::json::parse(
                                 R"([{"name": "Frame Script", "class": "DummyCM", "file": ""}])"));
    ASSERT_EQ(state["instances"].size(), 2u);
    // Instances in row order; their properties as shown, without the hidden accumulation.
    auto script = state["instances"][0];
    auto shown = state["instances"][1];
    EXPECT_EQ(script["properties"]["FrameStart"], "5");
    EXPECT_EQ(shown["properties"]["FrameStart"], "3");
    EXPECT_EQ(shown["properties"]["OnFrame"], "-- nothing");
    EXPECT_FALSE(shown["properties"].contains("Type"));
    EXPECT_EQ(shown["keyframes"][0]["properties"]["TranslateX"], "0.000000");
    script.erase("properties");
    shown.erase("properties");
    shown["keyframes"][0].erase("properties");
    EXPECT_EQ(script, nlohmann::json::parse(R"({"id": 2, "row": 1, "class": "FrameScript",
        "cast": "Frame Script", "start": 5, "stop": 5, "selected": false, "keyframes": []})"));
    EXPECT_EQ(shown, nlohmann::json::parse(R"({"id": 1, "row": 2, "class": "Actor", "cast": null,
        "start": 3, "stop": 40, "selected": true, "keyframes": [{"frame": 10, "selected": false}]})"));
}

// The project is changed exactly when it differs from what was last opened,
// saved or made new; a recovered copy stays changed, with no file, until saved.
TEST_F(ProjectModelTest, UnsavedChangesFollowOpenSaveNewAndRecover) {
    EnsureApplication();
    TemporaryFolder m_folder;
    EXPECT_FALSE(m_model.IsModified());
    Pointer<Instance> light = Place("Light", NewCastMember("LightCM"), 1, 1, 10);
    String file((m_folder / "a.qmx").string());
    struct Step {
        const char* name;
        std::function<void()> action;
        bool modified;
    };
    const Step steps[] = {
        {"saved", [&] { m_pProject->Save(Pointer<BaseObject>(), file); }, false},
        {"moved", [&] { Set(light, "TranslateX", "3"); }, true},
        {"moved back", [&] { Set(light, "TranslateX", "0.000000"); }, false},
        {"moved again", [&] { Set(light, "TranslateX", "4"); }, true},
        {"opened", [&] { m_pProject->Load(Pointer<BaseObject>(), file); }, false},
        {"bad file",
         [&] {
             m_pProject->Load(Pointer<BaseObject>(), String(m_folder.Write("b.qmx", "{").string()));
         },
         false},
        // Not as this version writes it: other order, other spacing, a value
        // equal to the one a new instance starts with.
        {"opened by hand",
         [&] {
             auto hand = m_folder.Write("c.qmx", R"({ "version":1, "format":"Corvane project",
                 "instances":[{"row":1,"start":1,"stop":9,"class":"Light",
                 "cast":{"class":"LightCM"},"properties":{"TranslateX":"0.000000"}}]})");
             m_pProject->Load(Pointer<BaseObject>(), String(hand.string()));
             light = m_pTimeLine->GetInstances(1, 1, 1)[0];
         },
         false},
        {"changed by hand", [&] { Set(light, "TranslateX", "5"); }, true},
        {"changed back", [&] { Set(light, "TranslateX", "0.000000"); }, false},
        {"recovered", [&] { m_model.Recover(file.str()); }, true},
        {"made new", [&] { m_pProject->New(); }, false},
    };
    EXPECT_TRUE(m_model.IsModified());
    for (const Step& step : steps) {
        step.action();
        EXPECT_EQ(m_model.IsModified(), step.modified) << step.name;
        if (std::string(step.name) == "recovered") {
            EXPECT_EQ(m_model.GetFileName(), "");
        }
    }
}

} // namespace
