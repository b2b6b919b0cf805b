#include "ModelTestSupport.h"

namespace {

class SampleProjectTest : public MediaModelTest {
  protected:
    void SetUp() override {
        MediaModelTest::SetUp();
        std::filesystem::copy(CORVANE_SOURCE_DIR "/samples", m_folder.Path(),
                              std::filesystem::copy_options::recursive);
        m_path = m_folder / "sample.qmx";
        ASSERT_TRUE(m_pProject->Load(nullptr, String(m_path.string())));
    }

    nlohmann::json Instance(size_t index) { return m_model.DescribeState()["instances"][index]; }

    std::filesystem::path m_path;
};

TEST_F(SampleProjectTest, OpensWithoutAnyComplaintAndSavesByteForByte) {
    EXPECT_TRUE(Automation::Instance().GetMessages().empty());
    EXPECT_TRUE(TVK::GetDebugger()->GetLines().empty());
    auto state = m_model.DescribeState();
    EXPECT_EQ(state["cast"].size(), 5u);
    EXPECT_EQ(state["instances"].size(), 9u);
    std::string original = ReadFile(m_path);
    ASSERT_TRUE(m_pProject->Save(nullptr, String(m_path.string())));
    EXPECT_EQ(ReadFile(m_path), original);
}

TEST_F(SampleProjectTest, PlaysItsKeyFramesAndScriptsToTheEnd) {
    m_pTimer->Start();
    for (int tick = 0; tick < 33; ++tick)
        m_model.Tick();
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 34);
    EXPECT_EQ(Instance(0)["properties"]["TranslateX"], "-1.500000");
    EXPECT_EQ(Instance(0)["properties"]["RotationY"], "120.000000");
    EXPECT_EQ(Instance(4)["properties"]["Green"], "1.000000");
    for (int tick = 0; tick < 70; ++tick)
        m_model.Tick();
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 100);
    EXPECT_FALSE(m_pTimer->IsRunning());
    EXPECT_EQ(Instance(0)["properties"]["TranslateX"], "4.500000");
    EXPECT_EQ(Instance(2)["properties"]["RotationZ"], "400");  // the ring's own script
    EXPECT_EQ(Instance(4)["properties"]["Green"], "0.800000"); // the frame script at 60
    const auto& lines = TVK::GetDebugger()->GetLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "The title turned gold at frame 60"),
              lines.end());
}

} // namespace
