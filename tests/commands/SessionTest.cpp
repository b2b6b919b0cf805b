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

TEST_F(CommandSessionTest, TheMenuBarHoldsTheFileAndControlCommands) {
    Run("DUMP 0.json\n");
    json state = State(0);
    std::vector<std::string> bar;
    for (const json& menu : state["menus"])
        bar.push_back(menu["text"]);
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&View", "&Control", "&Window", "&Help"}));

    EXPECT_EQ(Describe(Menu(state, "&File")),
              (std::vector<std::string>{
                  "&New\tCtrl+N|104|Create a new Corvane project\nNew (Ctrl+N)",
                  "&Open\tCtrl+O|105|Open a Corvane project from disk\nOpen (Ctrl+O)",
                  "&Save\tCtrl+S|106|Save this Corvane project to disk\nSave (Ctrl+S)",
                  "Save &As\tCtrl+Shift+S|107|Save this Corvane project under a different "
                  "filename\nSave As (Ctrl+Shift+S)",
                  "-",
                  "Generate EXE|108|Generates an executable file for this project\nGenerate EXE",
                  "-",
                  "E&xit\tAlt+F4|57665|Quit the application\nExit",
              }));
    EXPECT_EQ(
        Describe(Menu(state, "&Control")),
        (std::vector<std::string>{
            "&Play\tEnter|101|Start playing the project\nPlay (Enter)",
            "&Stop\tEsc|102|Stop the playing\nStop (Esc)",
            "-",
            "&Rewind\tBackspace|103|Rewind to the beginning of the project\nRewind (Backspace)",
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

} // namespace
