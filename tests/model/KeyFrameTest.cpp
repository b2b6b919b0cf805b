#include "ModelTestSupport.h"

namespace {

class KeyFrameTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_pActor = Place("Actor", nullptr, 1, 1, 101);
        m_pKeyFrames = m_pActor.As<AllowsKeyFrames>("AllowsKeyFrames");
    }

    // A key frame at an instance-relative frame, with changes typed in as the
    // property editor does.
    Pointer<KeyFrame> Key(int frame, const char* name, const char* change) {
        Pointer<KeyFrame> keyFrame = m_pKeyFrames->AddKeyFrame(frame);
        EXPECT_TRUE(keyFrame->SetPropertyValue(name, change));
        return keyFrame;
    }

    double At(int frame, const char* name = "TranslateX") {
        m_pPlayer->SetCurrentFrame(frame);
        return Number(m_pActor, name);
    }

    static std::string Change(const Pointer<KeyFrame>& keyFrame, const char* name) {
        String value;
        keyFrame->GetPropertyValue(name, value);
        return value.str();
    }

    Pointer<Instance> m_pActor;
    Pointer<AllowsKeyFrames> m_pKeyFrames;
};

TEST_F(KeyFrameTest, ValuesInterpolateLinearlyBetweenKeyFramesCountedFromTheInstancesStart) {
    Key(26, "TranslateX", "10");
    Key(51, "TranslateX", "-10");
    Key(76, "TranslateX", "4");
    const std::pair<int, const char*> shown[] = {
        {13, "4.800000"}, {26, "10.000000"}, {38, "5.200000"},  {51, "0.000000"},
        {61, "1.600000"}, {76, "4.000000"},  {101, "4.000000"}, {1, "0.000000"}};
    for (auto [frame, x] : shown) {
        m_pPlayer->SetCurrentFrame(frame);
        EXPECT_EQ(Get(m_pActor, "TranslateX"), x) << "frame " << frame;
    }

    m_pTimeLine->MoveInstance(m_pActor, 1, 101, 201, 1);
    Key(11, "RotationY", "90");
    EXPECT_DOUBLE_EQ(At(111, "RotationY"), 90.0);
    EXPECT_DOUBLE_EQ(At(106, "RotationY"), 45.0);
}

TEST_F(KeyFrameTest, ChangingOneKeyFrameAndTheNextOppositeMovesOnlyTheFirst) {
    auto first = Key(26, "TranslateY", "10");
    auto second = Key(51, "TranslateY", "-10");
    Key(76, "TranslateY", "4");
    auto edit = [](const Pointer<KeyFrame>& keyFrame, double delta) {
        std::string changed = std::to_string(std::stod(Change(keyFrame, "TranslateY")) + delta);
        keyFrame->SetPropertyValue("TranslateY", String(changed));
    };
    edit(first, 1);
    edit(second, -1);
    EXPECT_DOUBLE_EQ(At(26, "TranslateY"), 11.0);
    EXPECT_DOUBLE_EQ(At(51, "TranslateY"), 0.0);
    EXPECT_DOUBLE_EQ(At(76, "TranslateY"), 4.0);
    EXPECT_EQ(Change(second, "TranslateY"), "-11.000000");
}

TEST_F(KeyFrameTest, AddingAKeyFrameLeavesTheMotionAsItWas) {
    Key(26, "TranslateX", "10");
    Key(76, "TranslateX", "-6");
    std::vector<double> before;
    for (int frame = 1; frame <= 101; frame += 5)
        before.push_back(At(frame));
    auto added = m_pKeyFrames->AddKeyFrame(51);
    EXPECT_EQ(Change(added, "TranslateX"), "-3.000000");
    EXPECT_EQ(Change(m_pKeyFrames->GetNextKeyFrame(52), "TranslateX"), "-3.000000");
    for (int frame = 1, i = 0; frame <= 101; frame += 5, ++i)
        EXPECT_NEAR(At(frame), before[static_cast<size_t>(i)], 1e-9) << "frame " << frame;
}

TEST_F(KeyFrameTest, EditingAValueMovesTheWholeMotionAndAnEditedKeyFrameShowsWhenReapplied) {
    Key(26, "TranslateX", "10");
    At(26);
    ASSERT_TRUE(Set(m_pActor, "TranslateX", "12"));
    m_pActor->PlayerFrameChange(26, 26);
    EXPECT_EQ(Get(m_pActor, "TranslateX"), "12"); // nothing to re-apply: the text stays as typed
    EXPECT_DOUBLE_EQ(At(1), 2.0);
    EXPECT_DOUBLE_EQ(At(101), 12.0);

    // An edited key frame shows after PlayerFrameChange at the same frame.
    auto keyFrame = Key(26, "ScaleZ", "1");
    At(26);
    EXPECT_DOUBLE_EQ(Number(m_pActor, "ScaleZ"), 2.0);
    keyFrame->SetPropertyValue("ScaleZ", "3");
    EXPECT_DOUBLE_EQ(Number(m_pActor, "ScaleZ"), 2.0);
    m_pActor->PlayerFrameChange(26, 26);
    EXPECT_DOUBLE_EQ(Number(m_pActor, "ScaleZ"), 4.0);
}

TEST_F(KeyFrameTest, PlayingBackAndForthAccumulatesNoRounding) {
    Key(4, "TranslateX", "1");
    Key(7, "TranslateX", "1");
    Set(m_pActor, "TranslateX", "0.1");
    for (int round = 0; round < 50; ++round)
        for (int frame = 1; frame <= 9; ++frame)
            At(frame);
    EXPECT_EQ(Get(m_pActor, "TranslateX"), "2.100000");
    At(1);
    EXPECT_EQ(Get(m_pActor, "TranslateX"), "0.1"); // back without key frames: the text as typed
}

TEST_F(KeyFrameTest, NextKeyFrameIsTheFirstAtOrAfterAndAddingTwiceGivesTheSame) {
    auto a = m_pKeyFrames->AddKeyFrame(30);
    auto b = m_pKeyFrames->AddKeyFrame(10);
    EXPECT_TRUE(m_pKeyFrames->AddKeyFrame(30) == a);
    EXPECT_TRUE(m_pKeyFrames->GetNextKeyFrame(1) == b);
    EXPECT_TRUE(m_pKeyFrames->GetNextKeyFrame(10) == b);
    EXPECT_TRUE(m_pKeyFrames->GetNextKeyFrame(11) == a);
    EXPECT_FALSE(m_pKeyFrames->GetNextKeyFrame(31));
    a->frame = 5; // the time line's key frame drag moves key frames like this
    EXPECT_TRUE(m_pKeyFrames->GetNextKeyFrame(1) == a);
}

TEST_F(KeyFrameTest, TheAccumulationHolderIsHiddenAndReadOnlyAndKeyFrameHoldersShareOneClass) {
    Key(26, "TranslateX", "10");
    At(26);
    auto properties = m_pActor.As<HasProperties>("HasProperties");
    int hidden = 0;
    for (const auto& holder : properties->GetHolders()) {
        String type;
        if (holder->GetPropertyValue("Type", type) && type == "Accum") {
            ++hidden;
            String accumulated;
            EXPECT_TRUE(holder->GetPropertyValue("TranslateX", accumulated));
            EXPECT_DOUBLE_EQ(std::stod(accumulated.str()), 10.0);
            EXPECT_FALSE(holder->SetPropertyValue("TranslateX", "3"));
        }
    }
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(properties->SetPropertyValue("Type", "Other"));

    auto keyFrame = m_pKeyFrames->AddKeyFrame(10);
    ASSERT_EQ(keyFrame->holders.size(), 2u);
    EXPECT_EQ(keyFrame->holders[0]->GetClass(), keyFrame->holders[1]->GetClass());
    EXPECT_NE(keyFrame->holders[0]->GetClass(),
              m_pActor.As<HasProperties>("HasProperties")->GetHolders()[0]->GetClass());
    EXPECT_FALSE(NewInstance("FrameScript", NewCastMember("DummyCM"))
                     .As<AllowsKeyFrames>("AllowsKeyFrames"));
}

} // namespace
