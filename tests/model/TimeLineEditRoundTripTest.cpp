// The edits of the time line window (moving, resizing and removing
// instances; adding, removing and moving key frames) leave rows without
// overlaps and key frames in order, and a project saved after each edit reads
// back exactly.

#include "ModelTestSupport.h"

#include <functional>

namespace {

class TimeLineEditRoundTripTest : public ModelTest {
  protected:
    // What the file must keep of every instance.
    nlohmann::json Placed() const {
        nlohmann::json instances = m_model.DescribeState()["instances"];
        for (auto& instance : instances) {
            instance.erase("id");
            instance.erase("selected");
        }
        return instances;
    }
    static Pointer<AllowsKeyFrames> KeyFrames(const Pointer<Instance>& instance) {
        return instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    }
    TemporaryFolder m_folder;
};

TEST_F(TimeLineEditRoundTripTest, EveryEditKeepsTheRowsAndKeyFramesAndSurvivesSaveAndLoad) {
    const struct {
        const char* what;
        std::function<void(const Pointer<TimeLine>&, const Pointer<Instance>&)> edit;
    } edits[] = {
        {"move to another row",
         [](auto timeLine, auto a) { timeLine->MoveInstance(a, 3, 4, 13, 1); }},
        {"resize", [](auto timeLine, auto a) { timeLine->MoveInstance(a, 1, 2, 9, 1); }},
        {"remove", [](auto timeLine, auto a) { timeLine->RemoveInstance(a, 0); }},
        {"add a key frame",
         [](auto, auto a) { KeyFrames(a)->AddKeyFrame(3)->SetPropertyValue("TranslateX", "1.5"); }},
        {"remove a key frame", [](auto, auto a) { KeyFrames(a)->RemoveKeyFrame(4); }},
        {"move a key frame", [](auto, auto a) { KeyFrames(a)->GetNextKeyFrame(6)->frame = 5; }},
    };
    for (const auto& e : edits) {
        m_pProject->New();
        auto a = Place("Actor", {}, 1, 1, 10);
        Place("Actor", {}, 1, 11, 20);
        Place("Actor", {}, 2, 1, 20);
        KeyFrames(a)->AddKeyFrame(4)->SetPropertyValue("TranslateX", "2");
        KeyFrames(a)->AddKeyFrame(6)->SetPropertyValue("RotationY", "30");
        e.edit(m_pTimeLine, a);

        nlohmann::json before = Placed();
        for (int row = 1; row <= 3; ++row) {
            int reach = INT32_MIN;
            for (const auto& instance : before)
                if (instance["row"] == row) {
                    EXPECT_GT(instance["start"].get<int>(), reach) << e.what;
                    reach = instance["stop"].get<int>();
                }
        }
        for (const auto& instance : before) {
            int previous = 0;
            for (const auto& keyFrame : instance["keyframes"]) {
                EXPECT_GT(keyFrame["frame"].get<int>(), previous) << e.what;
                previous = keyFrame["frame"].get<int>();
            }
        }
        std::string path = (m_folder / "edited.qmx").string();
        ASSERT_TRUE(m_pProject->Save({}, path.c_str())) << e.what;
        ASSERT_TRUE(m_pProject->Load({}, path.c_str())) << e.what;
        EXPECT_EQ(Placed(), before) << e.what;
    }
}

} // namespace
