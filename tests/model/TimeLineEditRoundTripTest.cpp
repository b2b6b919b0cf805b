// After each edit of the time line window (moving, resizing and removing
// instances; adding, removing and moving key frames) a saved project reads
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

TEST_F(TimeLineEditRoundTripTest, EveryEditSurvivesSaveAndLoad) {
    using Edit = std::function<void(const Pointer<TimeLine>&, const Pointer<Instance>&)>;
    const std::pair<const char*, Edit> edits[] = {
        {"move to another row",
         [](auto timeLine, auto a) { timeLine->MoveInstance(a, 3, 4, 13, 1); }},
        {"resize", [](auto timeLine, auto a) { timeLine->MoveInstance(a, 1, 2, 9, 1); }},
        {"remove", [](auto timeLine, auto a) { timeLine->RemoveInstance(a, 0); }},
        {"add a key frame",
         [](auto, auto a) { KeyFrames(a)->AddKeyFrame(3)->SetPropertyValue("TranslateX", "1.5"); }},
        {"remove a key frame", [](auto, auto a) { KeyFrames(a)->RemoveKeyFrame(4); }},
        {"move a key frame", [](auto, auto a) { KeyFrames(a)->GetNextKeyFrame(6)->frame = 5; }},
    };
    for (const auto& [what, edit] : edits) {
        m_pProject->New();
        auto a = Place("Actor", {}, 1, 1, 10);
        Place("Actor", {}, 1, 11, 20);
        Place("Actor", {}, 2, 1, 20);
        KeyFrames(a)->AddKeyFrame(4)->SetPropertyValue("TranslateX", "2");
        KeyFrames(a)->AddKeyFrame(6)->SetPropertyValue("RotationY", "30");
        edit(m_pTimeLine, a);

        nlohmann::json before = Placed();
        std::string path = (m_folder / "edited.qmx").string();
        ASSERT_TRUE(m_pProject->Save({}, path.c_str())) << what;
        ASSERT_TRUE(m_pProject->Load({}, path.c_str())) << what;
        EXPECT_EQ(Placed(), before) << what;
    }
}

} // namespace
