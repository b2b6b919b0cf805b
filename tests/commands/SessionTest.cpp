// The command layer in the real program: a scripted session of the host
// executable with the module and the model, driven by real keys and menus.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using nlohmann::json;

class CommandSessionTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    std::string Path(const char* name) const { return m_folder.filePath(name).toStdString(); }

    // Runs the script; "DUMP n" stands for a dump into the session's folder.
    void Run(std::string script) {
        for (size_t at = script.find("DUMP "); at != std::string::npos;
             at = script.find("DUMP ", at))
            script.replace(at, 5, "dump " + m_folder.path().toStdString() + "/state");
        std::ofstream(Path("commands.script")) << script;
        QProcess process;
        process.setProgram(QStringLiteral(CORVANE_APP_DIR "/corvane"));
        process.setArguments(
            {"--offscreen", "--script", QString::fromStdString(Path("commands.script"))});
        process.start();
        ASSERT_TRUE(process.waitForFinished(240000)) << "the session did not end";
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
    json State(int n) const {
        std::ifstream file(Path(("state" + std::to_string(n) + ".json").c_str()));
        return json::parse(file);
    }

    QTemporaryDir m_folder;
};

const json& Menu(const json& state, const std::string& text) {
    for (const json& menu : state["menus"])
        if (menu["text"] == text)
            return menu;
    static const json none = json::object();
    ADD_FAILURE() << "no menu " << text;
    return none;
}

// "text|id|prompt", "-" for a separator.
std::vector<std::string> Describe(const json& menu) {
    std::vector<std::string> items;
    for (const json& item : menu["items"])
        items.push_back(item["separator"].get<bool>()
                            ? "-"
                            : item["text"].get<std::string>() + "|" +
                                  std::to_string(item["id"].get<int>()) + "|" +
                                  item["prompt"].get<std::string>());
    return items;
}

// Play and Stop as "enabled checked" pairs: "10 01" is stopped.
std::string PlayStop(const json& state) {
    std::string text;
    for (int i : {0, 1}) {
        const json& item = Menu(state, "&Control")["items"][i];
        text += std::string(text.empty() ? "" : " ") + (item["enabled"].get<bool>() ? "1" : "0") +
                (item["checked"].get<bool>() ? "1" : "0");
    }
    return text;
}

// What a project holds, apart from the property values of the current frame:
// "class cast row start-stop keyframes".
std::vector<std::string> Layout(const json& state) {
    std::vector<std::string> layout;
    for (const json& instance : state["instances"]) {
        std::string text = instance["class"].get<std::string>() + " " +
                           instance["cast"].get<std::string>() + " " +
                           std::to_string(instance["row"].get<int>()) + " " +
                           std::to_string(instance["start"].get<int>()) + "-" +
                           std::to_string(instance["stop"].get<int>());
        for (const json& keyFrame : instance["keyframes"])
            text += " " + std::to_string(keyFrame["frame"].get<int>());
        layout.push_back(text);
    }
    return layout;
}

TEST_F(CommandSessionTest, TheMenuBarHoldsTheFileInsertAndControlCommands) {
    Run("DUMP 0.json\n");
    json state = State(0);
    std::vector<std::string> bar;
    for (const json& menu : state["menus"])
        bar.push_back(menu["text"]);
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&View", "I&nsert", "&Control", "&Window",
                                             "&Help"}));

    EXPECT_EQ(Describe(Menu(state, "&File")),
              (std::vector<std::string>{
                  "&New\tCtrl+N|107|Create a new Corvane project\nNew (Ctrl+N)",
                  "&Open\tCtrl+O|108|Open a Corvane project from disk\nOpen (Ctrl+O)",
                  "&Save\tCtrl+S|109|Save this Corvane project to disk\nSave (Ctrl+S)",
                  "Save &As\tCtrl+Shift+S|110|Save this Corvane project under a different "
                  "filename\nSave As (Ctrl+Shift+S)",
                  "-",
                  "Generate EXE|111|Generates an executable file for this project\nGenerate EXE",
                  "-",
                  "E&xit\tAlt+F4|57665|Quit the application\nExit",
              }));
    EXPECT_EQ(
        Describe(Menu(state, "&Control")),
        (std::vector<std::string>{
            "&Play\tEnter|104|Start playing the project\nPlay (Enter)",
            "&Stop\tEsc|105|Stop the playing\nStop (Esc)",
            "-",
            "&Rewind\tBackspace|106|Rewind to the beginning of the project\nRewind (Backspace)",
        }));
    EXPECT_EQ(Describe(Menu(state, "I&nsert")),
              (std::vector<std::string>{
                  "Cast Member|101|Insert a cast member into the Cast List\nInsert Cast Member",
                  "Frame Script|102|Insert a frame script at a specified frame\nInsert Frame "
                  "Script",
                  "Light|103|Insert a light into the scene\nInsert Light",
              }));
    EXPECT_EQ(PlayStop(state), "10 01");
}

TEST_F(CommandSessionTest, EnterEscAndBackspacePlayStopAndRewind) {
    Run("open \"" CORVANE_SOURCE_DIR "/samples/sample.qmx\"\n"
        "key Enter\ntick 3\nDUMP 1.json\n"
        "key Enter\nDUMP 2.json\n"     // Play is disabled while playing
        "key Backspace\nDUMP 3.json\n" // back to frame 1, still playing
        "tick 2\nkey Esc\nDUMP 4.json\n"
        "key Backspace\nDUMP 5.json\n");
    auto project = [&](int n) { return State(n)["project"]; };
    EXPECT_EQ(project(1)["frame"], 4);
    EXPECT_EQ(project(1)["playing"], true);
    EXPECT_EQ(PlayStop(State(1)), "01 10");
    EXPECT_EQ(project(2)["frame"], 4);
    EXPECT_EQ(project(3)["frame"], 1);
    EXPECT_EQ(project(3)["playing"], true);
    EXPECT_EQ(project(4)["frame"], 3);
    EXPECT_EQ(project(4)["playing"], false);
    EXPECT_EQ(PlayStop(State(4)), "10 01");
    EXPECT_EQ(project(5)["frame"], 1);
    EXPECT_EQ(project(5)["playing"], false);
}

TEST_F(CommandSessionTest, TheFileShortcutsMakeOpenAndSaveProjects) {
    std::string copy = Path("copy.qmx"), fresh = Path("fresh.qmx");
    Run("open \"" CORVANE_SOURCE_DIR "/samples/sample.qmx\"\n"
        "DUMP 0.json\n"
        // Cancelling changes nothing but stopping playback.
        "key Enter\ntick 5\nanswer file cancel\nkey Ctrl+O\nDUMP 1.json\n"
        "key Enter\nanswer file cancel\nkey Ctrl+Shift+S\nDUMP 2.json\n"
        "answer file \"" +
        Path("copy") +
        "\"\nkey Ctrl+Shift+S\nDUMP 3.json\n"
        "key Enter\ntick 2\nkey Ctrl+N\nDUMP 4.json\n"
        // A project never saved asks for its name.
        "answer file \"" +
        fresh +
        "\"\nkey Ctrl+S\nDUMP 5.json\n"
        "key Enter\ntick 2\nanswer file \"" +
        copy + "\"\nkey Ctrl+O\nDUMP 6.json\n");

    json opened = State(0);
    ASSERT_FALSE(Layout(opened).empty());
    for (int n : {1, 2}) {
        EXPECT_EQ(State(n)["project"]["playing"], false) << n;
        EXPECT_EQ(State(n)["project"]["file"], opened["project"]["file"]) << n;
        EXPECT_EQ(Layout(State(n)), Layout(opened)) << n;
    }
    EXPECT_EQ(State(1)["project"]["frame"], 6);

    EXPECT_EQ(State(3)["project"]["file"], copy);
    EXPECT_TRUE(std::filesystem::exists(copy));

    json emptied = State(4);
    EXPECT_EQ(emptied["project"], (json{{"file", ""}, {"frame", 1}, {"playing", false}}));
    EXPECT_TRUE(Layout(emptied).empty());

    EXPECT_EQ(State(5)["project"]["file"], fresh);
    EXPECT_TRUE(std::filesystem::exists(fresh));

    json reopened = State(6);
    EXPECT_EQ(reopened["project"], (json{{"file", copy}, {"frame", 1}, {"playing", false}}));
    EXPECT_EQ(Layout(reopened), Layout(opened));
}

// From an empty project: three media files inserted and dragged onto the
// time line, a light and a frame script inserted; the frame script then
// fails on its second line while the project plays.
TEST_F(CommandSessionTest, MediaLightsAndFrameScriptsComeInAndAFailingScriptIsShown) {
    const std::string media = CORVANE_SOURCE_DIR "/samples/media/";
    const std::string shots = m_folder.path().toStdString() + "/";
    Run("key Ctrl+T\nresize \"Time Line\" 600 160\nkey Ctrl+L\nresize \"Cast List\" 190 60\n"
        "answer file \"" +
        media +
        "cube.obj\"\nmenu \"I&nsert\" \"Cast Member\"\n"
        "answer file \"" +
        media +
        "logo.png\"\nmenu \"I&nsert\" \"Cast Member\"\n"
        "answer file \"" +
        media +
        "title.txt\"\nmenu \"I&nsert\" \"Cast Member\"\n"
        "screenshot \"" +
        shots +
        "01-cast.png\" @ \"Cast List\"\n"
        "drag left 30 28 504 29 @ \"Cast List\" to \"Time Line\"\n"
        "drag left 90 28 504 47 @ \"Cast List\" to \"Time Line\"\n"
        "drag left 150 28 504 65 @ \"Cast List\" to \"Time Line\"\n"
        "DUMP 1.json\n"
        "menu \"I&nsert\" \"Light\"\n"
        "answer dialog ok type 1000 5\nmenu \"I&nsert\" \"Frame Script\"\n"
        "screenshot \"" +
        shots +
        "02-time-line.png\" @ \"Time Line\"\n"
        "DUMP 2.json\n"
        "answer file \"" +
        Path("built.qmx") +
        "\"\n"
        "menu \"&File\" \"Save &As\\tCtrl+Shift+S\"\n");
    EXPECT_EQ(Layout(State(1)),
              (std::vector<std::string>{"Actor cube.obj 1 35-45", "Actor logo.png 2 35-45",
                                        "Actor title.txt 3 35-45"}));
    EXPECT_EQ(Layout(State(2)),
              (std::vector<std::string>{"Light Light 1 1-21", "Actor cube.obj 1 35-45",
                                        "FrameScript Frame Script 2 5-5", "Actor logo.png 2 35-45",
                                        "Actor title.txt 3 35-45"}));

    // The author's script, as the script editor would have stored it.
    json project = json::parse(std::ifstream(Path("built.qmx")));
    for (json& instance : project["instances"])
        if (instance["class"] == "FrameScript")
            instance["scripts"]["Script"] = "local a = 1\nlocal b = a + nil\n";
    std::ofstream(Path("built.qmx")) << project.dump(2);

    Run("open \"" + Path("built.qmx") +
        "\"\nkey Ctrl+T\n"
        "answer message yes\nanswer dialog ok\nkey Enter\ntick 8\nkey Esc\n"
        "screenshot \"" +
        shots + "03-after-error.png\"\nDUMP 3.json\n");
    json state = State(3);
    ASSERT_EQ(state["messages"].size(), 1u);
    const std::string text = state["messages"][0]["text"];
    EXPECT_NE(text.find("line 2"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 31), "\n\nDo you want to view the code?");
    EXPECT_EQ(state["messages"][0]["flags"], 0x34);
    ASSERT_EQ(state["dialogs"].size(), 1u);
    EXPECT_EQ(state["dialogs"][0]["caption"], "Script Editor Dialog");
    for (const json& control : state["dialogs"][0]["controls"]) {
        if (control["id"] == 1004) {
            EXPECT_EQ(control["items"], json::array({"Script"}));
        }
        if (control["id"] == 1005) {
            std::string script = control["text"];
            int start = control["sel_start"], end = control["sel_end"];
            EXPECT_EQ(script.substr(start, end - start), "local b = a + nil");
        }
    }
}

} // namespace
