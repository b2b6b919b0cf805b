#include "ModelTestSupport.h"

#include "platform/WinTypes.h"

#include <nlohmann/json.hpp>

#include <functional>

namespace {

const char* const kTriangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";

class ProjectFileTest : public MediaModelTest {
  protected:
    // A project with every kind of content, the play head in the middle.
    void BuildProject() {
        auto mesh =
            NewCastMember("MeshCM", m_folder.Write("media/triangle.obj", kTriangle).string());
        auto text = NewCastMember("TextCM", m_outside.Write("title.txt", "Hello\n").string());
        ASSERT_TRUE(mesh->Load());
        ASSERT_TRUE(text->Load());
        m_pCastList->AddCastMember(mesh);
        m_pCastList->AddCastMember(text);

        auto actor = Place("Actor", mesh, 1, 1, 100);
        Set(actor, "TranslateX", "1.25");
        Set(actor, "OnFrame", "self:set('RotationY', player.frame())\n");
        KeyFrames(actor)->AddKeyFrame(30)->SetPropertyValue("TranslateX", "3");
        KeyFrames(actor)->AddKeyFrame(60)->SetPropertyValue("Green", "-0.75");
        Place("Actor", text, 2, 10, 20);
        auto light = Place("Light", NewCastMember("LightCM"), 3, 1, 100);
        Set(light, "TranslateZ", "4");
        auto script = Place("FrameScript", NewCastMember("DummyCM"), 4, 50, 50);
        Set(script, "Script", "player.go(1)");
        m_pPlayer->SetCurrentFrame(45);
    }

    // Builds the project and saves it as project.qmx.
    std::filesystem::path SaveBuiltProject() {
        BuildProject();
        auto path = m_folder / "project.qmx";
        EXPECT_TRUE(m_pProject->Save(nullptr, String(path.string())));
        return path;
    }

    std::string LastError() {
        const auto& lines = TVK::GetDebugger()->GetLines();
        return lines.empty() ? std::string() : lines.back();
    }

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

    TemporaryFolder m_outside;
};

TEST_F(ProjectFileTest, NewEmptiesTheProjectAndLoadingRebuildsItAtFrameOneToSaveTheSameBytes) {
    auto path = SaveBuiltProject();
    auto saved = m_model.DescribeState();
    m_pProject->New();
    auto empty = m_model.DescribeState();
    EXPECT_EQ(empty["project"], (nlohmann::json{{"file", ""}, {"frame", 1}, {"playing", false}}));
    EXPECT_TRUE(empty["instances"].empty());
    EXPECT_TRUE(empty["cast"].empty());
    EXPECT_FALSE(m_pTimeLine->GetSelectedInstance());

    ASSERT_TRUE(m_pProject->Load(nullptr, String(path.string())));
    auto loaded = m_model.DescribeState();
    EXPECT_EQ(loaded["project"]["frame"], 1);
    EXPECT_EQ(loaded["project"]["file"], path.string());
    EXPECT_EQ(loaded["cast"], saved["cast"]);
    ASSERT_EQ(loaded["instances"].size(), 4u);
    EXPECT_EQ(loaded["instances"][0]["properties"]["TranslateX"], "1.25");
    EXPECT_EQ(loaded["instances"][0]["keyframes"], saved["instances"][0]["keyframes"]);
    EXPECT_EQ(loaded["instances"][2]["properties"]["TranslateZ"], "4");
    EXPECT_EQ(loaded["instances"][3]["properties"]["Script"], "player.go(1)");
    m_pPlayer->SetCurrentFrame(45);
    EXPECT_EQ(m_model.DescribeState()["instances"][0]["properties"],
              saved["instances"][0]["properties"]);

    m_pPlayer->SetCurrentFrame(70);
    auto again = m_folder / "again.qmx";
    ASSERT_TRUE(m_pProject->Save(nullptr, String(again.string())));
    EXPECT_EQ(ReadFile(again), ReadFile(path));
    EXPECT_TRUE(TVK::GetDebugger()->GetLines().empty());
}

TEST_F(ProjectFileTest, TheFileIsVersionedJsonWithMediaBelowTheProjectRelativeButSnapshotsInFull) {
    auto path = SaveBuiltProject();
    EXPECT_EQ(m_pProject->GetFileName().str(), path.string());
    auto file = nlohmann::json::parse(ReadFile(path));
    EXPECT_EQ(file["format"], "Corvane project");
    EXPECT_EQ(file["version"], 1);
    EXPECT_EQ(file["frameRate"], 25);
    EXPECT_EQ(file["cast"][0]["file"], "media/triangle.obj");
    EXPECT_EQ(file["cast"][1]["file"], (m_outside / "title.txt").string());
    const auto& actor = file["instances"][0];
    EXPECT_EQ(actor["class"], "Actor");
    EXPECT_EQ(actor["cast"], 0);
    EXPECT_EQ(actor["properties"]["TranslateX"], "1.25"); // as typed, not as shown at frame 45
    EXPECT_EQ(actor["keyframes"][0]["frame"], 30);
    EXPECT_EQ(actor["keyframes"][0]["changes"]["TranslateX"], 3.0);
    EXPECT_EQ(file["instances"][2]["cast"]["class"], "LightCM");
    // A copy kept elsewhere must still find the media.
    EXPECT_EQ(nlohmann::json::parse(m_model.Snapshot())["cast"][0]["file"],
              (m_folder / "media/triangle.obj").string());
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".project.qmx"), std::string::npos)
            << "temporary file left";
}

TEST_F(ProjectFileTest, BadFilesAreRefusedWithAClearMessageAndTheProjectStaysAsItWas) {
    std::string text = ReadFile(SaveBuiltProject());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const std::string head = R"({"format": "Corvane project", "version": 1, )";
    const std::string actor = R"({"class": "Actor", "row": 1, "start": 1, "stop": 9)";
    const std::pair<std::string, const char*> files[] = {
        {text.substr(0, text.size() / 2), "damaged or truncated"},
        {"", "empty"},
        {R"({"name": "something else"})", "not a Corvane project"},
        {replaced("\"version\": 1", "\"version\": 7"),
         "newer version of Corvane (file format version 7"},
        {replaced("\"row\": 2", "\"row\": \"two\""), "instance 2: \"row\" is not a whole number"},
        {replaced("\"Light\"", "\"Lamp\""), "instance 3: the class \"Lamp\" is unknown"},
        {replaced("\"TranslateZ\"", "\"Colour\""), "instance 3: there is no property \"Colour\""},
        {replaced("\"cast\": 1", "\"cast\": 9"), "instance 2: \"cast\" names no cast member"},
        {replaced("\"LightCM\"", "\"DummyCM\""), "instance 3: it cannot show a cast member"},
        {replaced("\"frameRate\"", "\"speed\""), "unknown field \"speed\""},
        {head + R"("frameRate": 0})", "frame rate"},
        {head + R"("frameRate": 25, "frameRate": 30})", "the field \"frameRate\" appears twice"},
        {R"({"format": "Corvane project", "version": 1.5})", "no file format version"},
        {R"({"format": "Corvane project", "version": 18446744073709551615})", "newer version"},
        {head + R"("instances": [{"class": "Actor", "row": 99999999999, "start": 1, "stop": 9}]})",
         "out of range"},
        {head + R"("x": )" + std::string(100000, '[') + std::string(100000, ']') + "}", "too deep"},
        {head + R"("instances": {}})", "\"instances\" is not a list"},
        {head + R"("instances": [)" + actor + R"(, "keyframes": [{"frame": 3}, {"frame": 3}]}]})",
         "two key frames"},
        {head + R"("instances": [)" + actor +
             R"(, "keyframes": [{"frame": 3, "changes": {"Red": "1"}}]}]})",
         "\"Red\" is not a number"},
        {head + R"("instances": [)" + actor +
             R"(, "keyframes": [{"frame": 3, "changes": {"Type": 1}}]}]})",
         "no property \"Type\""},
        {head + R"("instances": [)" + actor + R"(, "cast": {"class": "Actor"}}]})",
         "is no CastMember class"},
        {head + R"("instances": [{"class": "LightCM", "row": 1, "start": 1, "stop": 9}]})",
         "is no Instance class"},
        {head + R"("cast": [{"class": "MeshCM", "file": 7}]})",
         "cast member 1: \"file\" is not a text"},
    };
    auto before = m_model.DescribeState();
    for (const auto& [content, problem] : files) {
        auto path = m_folder.Write("bad.qmx", content);
        Automation::Instance().Clear();
        EXPECT_FALSE(m_pProject->Load(nullptr, String(path.string()))) << problem;
        const auto& shown = Automation::Instance().GetMessages();
        ASSERT_EQ(shown.size(), 1u) << problem;
        const std::string& message = shown[0].text;
        EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONHAND);
        EXPECT_EQ(message.rfind("Unable to open the project \"" + path.string() + "\": ", 0), 0u)
            << message;
        EXPECT_NE(message.find(problem), std::string::npos) << message;
        EXPECT_EQ(m_model.DescribeState(), before) << problem;
    }
    EXPECT_FALSE(m_pProject->Load(nullptr, String((m_folder / "missing.qmx").string())));
    EXPECT_NE(LastError().find("cannot be read"), std::string::npos);
    EXPECT_FALSE(m_pProject->Load(nullptr, String(m_folder.Path().string())));
    EXPECT_NE(LastError().find("it is not a file"), std::string::npos);
    EXPECT_EQ(m_model.DescribeState(), before);
}

TEST_F(ProjectFileTest, MissingMediaDoNotStopTheProjectAndAFailedSaveKeepsTheOldFile) {
    auto path = SaveBuiltProject();
    std::filesystem::remove(m_folder / "media/triangle.obj");
    Automation::Instance().Clear();
    ASSERT_TRUE(m_pProject->Load(nullptr, String(path.string())));
    ASSERT_EQ(Automation::Instance().GetMessages().size(), 1u);
    EXPECT_EQ(Automation::Instance().GetMessages()[0].text,
              "The project \"" + path.string() +
                  "\" was opened, but these media could not be loaded:\n" +
                  (m_folder / "media/triangle.obj").string());
    EXPECT_EQ(m_model.DescribeState()["instances"].size(), 4u);
    ASSERT_TRUE(m_pProject->Save(nullptr, String(path.string())));
    std::string saved = ReadFile(path);
    EXPECT_EQ(nlohmann::json::parse(saved)["cast"][0]["file"], "media/triangle.obj");

    auto blocked = m_folder.Write("not-a-folder", "") / "project.qmx";
    EXPECT_FALSE(m_pProject->Save(nullptr, String(blocked.string())));
    EXPECT_NE(LastError().find("Unable to save the project to \"" + blocked.string() + "\""),
              std::string::npos);
    EXPECT_EQ(m_pProject->GetFileName().str(), path.string());
    EXPECT_EQ(ReadFile(path), saved);
}

TEST_F(ProjectFileTest, BackslashesInPathsMeanSlashes) {
    m_folder.Write("media/triangle.obj", kTriangle);
    std::string project = R"({"format": "Corvane project", "version": 1,
        "cast": [{"class": "MeshCM", "file": "media\\triangle.obj"}],
        "instances": [{"class": "Actor", "row": 1, "start": 1, "stop": 5, "cast": 0}]})";
    auto path = m_folder.Write("windows.qmx", project);
    ASSERT_TRUE(m_pProject->Load(nullptr, String(path.string())));
    EXPECT_EQ(m_model.DescribeState()["cast"][0]["file"],
              (m_folder / "media/triangle.obj").string());
    EXPECT_TRUE(TVK::GetDebugger()->GetLines().empty());
}

// After each edit of the time line window (moving, resizing and removing
// instances; adding, removing and moving key frames) a saved project reads
// back exactly.
TEST_F(ProjectFileTest, EveryTimeLineEditSurvivesSaveAndLoad) {
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

// Files written by hand may order fields and key frames as they like.
TEST_F(ProjectFileTest, FieldsAndKeyFramesInAnyOrderReadAsInOrder) {
    std::string project = R"({"version": 1, "instances": [{"stop": 30,
        "keyframes": [{"changes": {"TranslateX": 2}, "frame": 20},
                      {"frame": 10, "changes": {"TranslateX": 1}}],
        "row": 1, "class": "Actor", "start": 1}], "format": "Corvane project"})";
    auto path = m_folder.Write("by-hand.qmx", project);
    ASSERT_TRUE(m_pProject->Load(nullptr, String(path.string())));
    auto again = m_folder / "again.qmx";
    ASSERT_TRUE(m_pProject->Save(nullptr, String(again.string())));
    const auto instance = nlohmann::json::parse(ReadFile(again))["instances"][0];
    EXPECT_EQ(instance["stop"], 30);
    EXPECT_EQ(instance["keyframes"], nlohmann::json::parse(R"([
        {"frame": 10, "changes": {"TranslateX": 1.0}},
        {"frame": 20, "changes": {"TranslateX": 2.0}}])"));
}

} // namespace
