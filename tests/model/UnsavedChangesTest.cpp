#include "ModelTestSupport.h"

#include <functional>

namespace {

class UnsavedChangesTest : public ModelTest {
  protected:
    TemporaryFolder m_folder;
};

// The project is changed exactly when it differs from what was last opened,
// saved or made new; a recovered copy stays changed, with no file, until saved.
TEST_F(UnsavedChangesTest, FollowsOpenSaveNewAndRecover) {
    EnsureApplication();
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
