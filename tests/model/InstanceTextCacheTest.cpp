#include "ModelTestSupport.h"

#include "model/CastListStdImpl.h"
#include "model/ProjectStdImpl.h"
#include "model/ProjectWriter.h"

#include "host/PropertyHolderForKeyFrame.h"

#include <functional>

namespace {

class InstanceTextCacheTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_actor = Place("Actor", nullptr, 1, 1, 60);
        Set(m_actor, "TranslateX", "1");
        m_keyFrames = m_actor.As<AllowsKeyFrames>("AllowsKeyFrames");
        m_keyFrames->AddKeyFrame(20)->holders[0]->SetPropertyValue("RotationY", "90");
        m_keyFrames->AddKeyFrame(40)->holders[1]->SetPropertyValue("Red", "-0.5");
        m_pCastList->AddCastMember(NewCastMember("DummyCM", "/media/a.lua"));
        Place("FrameScript", m_pCastList->GetCastMembers()[0], 2, 5, 5);
        m_pOwnMember = NewCastMember("DummyCM", "/media/c.lua");
        Place("FrameScript", m_pOwnMember, 4, 1, 1);
        m_pHeld = KeyFrameAt(20);
    }
    // What the project writes with nothing kept from earlier writes.
    std::string WrittenAfresh() {
        auto content = m_pProject.As<ProjectStdImpl>("ProjectStdImpl")->GetContent();
        return ProjectWriter(std::filesystem::path()).Write(content);
    }
    Pointer<KeyFrame> KeyFrameAt(int frame) { return m_keyFrames->GetNextKeyFrame(frame); }
    Pointer<PropertyHolder> Holder(size_t index) {
        return m_actor.As<HasProperties>("HasProperties")->GetHolders()[index];
    }

    Pointer<Instance> m_actor;
    Pointer<AllowsKeyFrames> m_keyFrames;
    Pointer<CastMember> m_pOwnMember; // not in the cast list
    Pointer<KeyFrame> m_pHeld;        // handed out before the first snapshot
};

// Every kind of change to what a file keeps shows in the next snapshot,
// however it reached the instance.
TEST_F(InstanceTextCacheTest, EveryKindOfChangeShowsInTheNextSnapshot) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"key frame held all along, moved", [&] { m_pHeld->frame = 22; }},
        {"property typed", [&] { Set(m_actor, "ScaleY", "2"); }},
        {"property through its holder", [&] { Holder(1)->SetPropertyValue("TranslateZ", "3"); }},
        {"property added", [&] { Holder(2)->AddProperty("Alpha", "0.5"); }},
        {"script", [&] { Set(m_actor, "OnFrame", "x = 1"); }},
        {"key frame value",
         [&] { KeyFrameAt(1)->holders[0]->SetPropertyValue("RotationY", "45"); }},
        {"key frame change",
         [&] {
             KeyFrameAt(35)
                 ->holders[1]
                 .As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame")
                 ->SetChange("Green", 0.25);
         }},
        {"key frame added", [&] { m_keyFrames->AddKeyFrame(30); }},
        {"key frame removed", [&] { m_keyFrames->RemoveKeyFrame(40); }},
        {"key frame moved and let go", [&] { KeyFrameAt(1)->frame = 25; }},
        {"instance moved", [&] { m_pTimeLine->MoveInstance(m_actor, 3, 2, 61, 1); }},
        {"instance's frames typed", [&] { Set(m_actor, "FrameStop", "70"); }},
        {"cast member put in front",
         [&] {
             auto castList = m_pCastList.As<CastListStdImpl>("CastListStdImpl");
             auto members = castList->GetCastMembers();
             members.insert(members.begin(), NewCastMember("DummyCM", "/media/b.lua"));
             castList->SetCastMembers(members);
         }},
        {"cast member of its own renamed",
         [&] { m_pOwnMember->SetFileName(nullptr, "/media/d.lua"); }},
    };
    m_model.Snapshot(); // the instances' texts are kept from here on
    for (const auto& [kind, change] : changes) {
        std::string before = m_model.Snapshot();
        change();
        std::string after = m_model.Snapshot();
        EXPECT_NE(after, before) << kind;
        EXPECT_EQ(after, WrittenAfresh()) << kind;
    }
}

TEST_F(InstanceTextCacheTest, PlayingChangesNothingAFileKeeps) {
    std::string before = m_model.Snapshot();
    for (int frame : {30, 50, 1})
        m_pPlayer->SetCurrentFrame(frame);
    EXPECT_EQ(m_model.Snapshot(), before);
    EXPECT_EQ(WrittenAfresh(), before);
}

// An instance whose text stays the same may name another cast member when the
// cast list changed order: restoring must not keep it as it is.
TEST_F(InstanceTextCacheTest, RestoringAcrossAReorderedCastListGivesTheFormerState) {
    auto castList = m_pCastList.As<CastListStdImpl>("CastListStdImpl");
    auto first = castList->GetCastMembers()[0];
    auto second = NewCastMember("DummyCM", "/media/b.lua");
    castList->SetCastMembers({first, second});
    std::string former = m_model.Snapshot();
    auto numbers = m_model.GetPlacementNumbers();
    auto script = m_pTimeLine->GetInstances(2, 5, 5)[0];
    castList->SetCastMembers({second, first});
    script->SetCastMember(second); // still "cast": 0
    ASSERT_NE(m_model.Snapshot(), former);

    ASSERT_TRUE(m_model.Restore(former, numbers));
    EXPECT_EQ(m_model.Snapshot(), former);
    EXPECT_EQ(m_pTimeLine->GetInstances(2, 5, 5)[0]->GetCastMember(),
              m_pCastList->GetCastMembers()[0]);
}

} // namespace
