#include "ModelTestSupport.h"

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
    EXPECT_EQ(state["project"], (nlohmann::json{{"file", ""}, {"frame", 4}, {"playing", false}}));
    EXPECT_EQ(
        state["cast"],
        (nlohmann::json::array({{{"name", "Frame Script"}, {"class", "DummyCM"}, {"file", ""}}})));
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
    EXPECT_EQ(script, (nlohmann::json{{"id", 2},
                                      {"row", 1},
                                      {"class", "FrameScript"},
                                      {"cast", "Frame Script"},
                                      {"start", 5},
                                      {"stop", 5},
                                      {"selected", false},
                                      {"keyframes", nlohmann::json::array()}}));
    EXPECT_EQ(shown, (nlohmann::json{{"id", 1},
                                     {"row", 2},
                                     {"class", "Actor"},
                                     {"cast", nullptr},
                                     {"start", 3},
                                     {"stop", 40},
                                     {"selected", true},
                                     {"keyframes", nlohmann::json::array(
                                                       {{{"frame", 10}, {"selected", false}}})}}));
}

} // namespace
