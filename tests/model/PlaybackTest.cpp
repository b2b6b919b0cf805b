#include "ModelTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {

class PlaybackTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_model.SetFrameChangeListener(
            [this](int newFrame, int oldFrame) { m_changes.emplace_back(newFrame, oldFrame); });
    }

    Pointer<Instance> FrameScript(int frame, const std::string& source) {
        auto script = Place("FrameScript", NewCastMember("DummyCM"), 10 + frame, frame, frame);
        EXPECT_TRUE(Set(script, "Script", source));
        return script;
    }

    std::vector<std::pair<int, int>> m_changes;
};

TEST_F(PlaybackTest, EachTickAdvancesRunsTheFramesScriptsAndAnnounces) {
    auto actor = Place("Actor", nullptr, 1, 1, 5);
    FrameScript(3, "timeline.instances(1)[1]:set('Red', 0.25)");
    m_model.Tick();
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 2);
    EXPECT_EQ(Get(actor, "Red"), "1.000000");
    m_model.Tick();
    EXPECT_EQ(Get(actor, "Red"), "0.250000");
    EXPECT_EQ(m_changes, (std::vector<std::pair<int, int>>{{2, 1}, {3, 2}}));
    EXPECT_FALSE(m_pTimer->IsRunning()); // ticks advance whether playing or not
}

TEST_F(PlaybackTest, PlaybackStopsAfterTheLastFrameAndInstanceScriptsRunWhileTheirInstanceLives) {
    Place("Actor", nullptr, 1, 1, 3);
    auto actor = Place("Actor", nullptr, 2, 2, 4);
    Set(actor, "OnFrame", "ticks = (ticks or 0) + 1\nself:set('RotationY', ticks * 10)");
    m_pTimer->Start();
    for (int tick = 0; tick < 3; ++tick)
        m_model.Tick();
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 4);
    EXPECT_TRUE(m_pTimer->IsRunning());
    m_model.Tick();
    EXPECT_FALSE(m_pTimer->IsRunning());
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 4);
    EXPECT_EQ(m_changes.size(), 3u);
    EXPECT_EQ(Get(actor, "RotationY"), "30");
}

TEST_F(PlaybackTest, SetCurrentFrameAnnouncesEveryTimeAndAppliesTheFrame) {
    auto actor = Place("Actor", nullptr, 1, 1, 20);
    actor.As<AllowsKeyFrames>("AllowsKeyFrames")
        ->AddKeyFrame(11)
        ->SetPropertyValue("TranslateZ", "10");
    m_pPlayer->SetCurrentFrame(6);
    m_pPlayer->SetCurrentFrame(6);
    EXPECT_EQ(m_changes, (std::vector<std::pair<int, int>>{{6, 1}, {6, 6}}));
    EXPECT_EQ(Get(actor, "TranslateZ"), "5.000000");
}

TEST_F(PlaybackTest, ScriptsMoveThePlayHeadAndStopPlayback) {
    Place("Actor", nullptr, 1, 1, 30);
    FrameScript(3, "player.go(10)");
    FrameScript(12, "if player.frame() == 12 then player.stop() end");
    m_pTimer->Start();
    m_model.Tick();
    m_model.Tick();
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 10);
    EXPECT_EQ(m_changes.back(), (std::pair<int, int>{10, 2}));
    m_model.Tick();
    m_model.Tick();
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 12);
    EXPECT_FALSE(m_pTimer->IsRunning());
}

TEST_F(PlaybackTest, TheQtTimerPlaysAtTheFrameRateUntilTheLastFrame) {
    EnsureApplication();
    Place("Actor", nullptr, 1, 1, 4);
    m_model.SetManualTiming(false);
    m_pTimer->Start();
    for (QDeadlineTimer deadline(10000); m_pTimer->IsRunning() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(m_pTimer->IsRunning());
    EXPECT_EQ(m_pPlayer->GetCurrentFrame(), 4);
    EXPECT_EQ(m_changes, (std::vector<std::pair<int, int>>{{2, 1}, {3, 2}, {4, 3}}));
}

} // namespace
