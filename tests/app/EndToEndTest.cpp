#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "SessionProcess.h"

#include <fstream>
#include <sstream>

namespace {

void Write(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString()) << text;
}

// A script with DIR standing for the folder and MEDIA for the sample media.
std::string Expand(std::string text, const QTemporaryDir& folder) {
    for (auto [word, path] :
         {std::pair<std::string, std::string>{"DIR", folder.path().toStdString()},
          {"MEDIA", CORVANE_SOURCE_DIR "/samples/media"}})
        for (size_t at; (at = text.find(word)) != std::string::npos;)
            text.replace(at, word.size(), path);
    return text;
}

nlohmann::json ReadJson(const QString& path) {
    std::ifstream file(path.toStdString());
    return nlohmann::json::parse(file);
}

// The module's handlers fill the host's menu bar in the order the plug-in
// list starts them, which decides their command identifiers.
TEST(EndToEnd, ASessionDumpsTheStateAndTheNumberedMenusAndTakesAScreenshot) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString script = folder.filePath("tour.script");
    Write(script, Expand("# two ticks, then what it looks like\ntick 2\ndump \"DIR/state.json\"\n"
                         "screenshot \"DIR/main.png\"\n",
                         folder));
    SessionRun run = RunSession(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    nlohmann::json state = ReadJson(folder.filePath("state.json"));
    for (const char* key : {"project", "instances", "cast", "windows", "messages", "processes"})
        EXPECT_TRUE(state.contains(key)) << key;
    // Every debugger line of the run is in the dump, the plug-in folder's among them.
    ASSERT_TRUE(state["debug"].is_array());
    bool mentionsPlugins = false;
    for (const auto& line : state["debug"]) {
        EXPECT_NE(run.errors.find(line.get<std::string>()), std::string::npos) << line;
        mentionsPlugins |= line.get<std::string>().find("Plugins/") != std::string::npos;
    }
    EXPECT_TRUE(mentionsPlugins);
    QImage picture(folder.filePath("main.png"));
    EXPECT_EQ(picture.size(), QSize(state["main_window"]["width"].get<int>(),
                                    state["main_window"]["height"].get<int>()));

    // "TEXT: id id - id" for each menu, "-" for a separator.
    std::string bar;
    for (const auto& menu : state["menus"]) {
        bar += menu["text"].get<std::string>() + ":";
        if (menu["text"] != "&View" && menu["text"] != "&Window")
            for (const auto& item : menu["items"])
                bar += item["separator"].get<bool>() ? " -"
                                                     : " " + std::to_string(item["id"].get<int>());
        bar += "; ";
    }
    EXPECT_EQ(
        bar,
        "&File: 107 108 109 110 - 111 - 57665; &Edit: 57643 57644; &View:; I&nsert: 101 102 103; "
        "&Control: 104 105 - 106; &Window:; &Help: 57664; ");
}

TEST(EndToEnd, ALineThatCannotBeReadOrRunStopsTheSessionNamingTheFileAndLine) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString script = folder.filePath("bad.script");
    QString dump = folder.filePath("never.json");
    const struct {
        std::string text, error;
    } cases[] = {
        {"tick\n\n  fly to the moon\nquit\n", ":3: unknown command \"fly\""},
        {"menu \"&File\" \"No Such Item\"\ndump \"" + dump.toStdString() + "\"\n",
         ":1: no menu item \"No Such Item\" in \"&File\""},
    };
    for (const auto& c : cases) {
        Write(script, c.text);
        SessionRun run = RunSession(script);
        EXPECT_NE(run.exitCode, 0) << c.text;
        EXPECT_NE(run.errors.find(script.toStdString() + c.error), std::string::npos) << run.errors;
    }
    EXPECT_FALSE(QFile::exists(dump));
}

TEST(EndToEnd, ADamagedProjectGivenWithAScriptIsReportedAndTheSessionGoesOn) {
    QTemporaryDir folder;
    QString project = folder.filePath("damaged.qmx");
    Write(project, "{\"format\": \"Corvane project\", \"vers");
    Write(folder.filePath("s.script"),
          "dump \"" + folder.filePath("s.json").toStdString() + "\"\n");
    SessionRun run = RunSession(folder.filePath("s.script"), {project});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.errors.find(project.toStdString() + "\": the file is damaged"), std::string::npos)
        << run.errors;
    EXPECT_EQ(ReadJson(folder.filePath("s.json"))["project"]["file"], "");
}

// "class cast row start-stop" of every instance of a dump.
std::vector<std::string> Layout(const nlohmann::json& state) {
    std::vector<std::string> layout;
    for (const auto& instance : state["instances"])
        layout.push_back(instance["class"].get<std::string>() + " " +
                         instance["cast"].get<std::string>() + " " +
                         std::to_string(instance["row"].get<int>()) + " " +
                         std::to_string(instance["start"].get<int>()) + "-" +
                         std::to_string(instance["stop"].get<int>()));
    return layout;
}

// From an empty project: three media files inserted and dragged onto the
// time line, a light and a frame script inserted; the frame script then
// fails on its second line while the project plays.
TEST(EndToEnd, MediaLightsAndFrameScriptsComeInAndAFailingScriptIsShown) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString script = folder.filePath("insert.script");
    // The author types the script: a double-click on the frame script opens
    // its property editor, Scripts its script editor.
    Write(script, Expand(R"(key Ctrl+T
resize "Time Line" 600 160
key Ctrl+L
resize "Cast List" 190 60
answer file "MEDIA/cube.obj"
menu "I&nsert" "Cast Member"
answer file "MEDIA/logo.png"
menu "I&nsert" "Cast Member"
answer file "MEDIA/title.txt"
menu "I&nsert" "Cast Member"
screenshot "DIR/01-cast.png" @ "Cast List"
drag left 30 28 504 29 @ "Cast List" to "Time Line"
drag left 90 28 504 47 @ "Cast List" to "Time Line"
drag left 150 28 504 65 @ "Cast List" to "Time Line"
dump "DIR/1.json"
menu "I&nsert" "Light"
answer dialog ok type 1000 5
menu "I&nsert" "Frame Script"
answer dialog ok click 1003
answer dialog ok type 1005 "local a = 1\nlocal b = a + nil\n"
mouse dblclk left 84 47 @ "Time Line"
screenshot "DIR/02-time-line.png" @ "Time Line"
dump "DIR/2.json"
answer file "DIR/built.qmx"
menu "&File" "Save &As\tCtrl+Shift+S"
)",
                         folder));
    SessionRun run = RunSession(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(Layout(ReadJson(folder.filePath("1.json"))),
              (std::vector<std::string>{"Actor cube.obj 1 35-45", "Actor logo.png 2 35-45",
                                        "Actor title.txt 3 35-45"}));
    EXPECT_EQ(Layout(ReadJson(folder.filePath("2.json"))),
              (std::vector<std::string>{"Light Light 1 1-21", "Actor cube.obj 1 35-45",
                                        "FrameScript Frame Script 2 5-5", "Actor logo.png 2 35-45",
                                        "Actor title.txt 3 35-45"}));

    Write(script, Expand(R"(open "DIR/built.qmx"
key Ctrl+T
answer message yes
answer dialog ok
key Enter
tick 8
key Esc
screenshot "DIR/03-after-error.png"
dump "DIR/3.json"
)",
                         folder));
    run = RunSession(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const nlohmann::json state = ReadJson(folder.filePath("3.json"));
    ASSERT_EQ(state["messages"].size(), 1u);
    const std::string text = state["messages"][0]["text"];
    EXPECT_NE(text.find("line 2"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 31), "\n\nDo you want to view the code?");
    EXPECT_EQ(state["messages"][0]["flags"], 0x34);
    ASSERT_EQ(state["dialogs"].size(), 1u);
    EXPECT_EQ(state["dialogs"][0]["caption"], "Script Editor Dialog");
    for (const auto& control : state["dialogs"][0]["controls"]) {
        if (control["id"] == 1004) {
            EXPECT_EQ(control["items"], nlohmann::json::array({"Script"}));
        }
        if (control["id"] == 1005) {
            const std::string source = control["text"];
            const int start = control["selection"][0], end = control["selection"][1];
            EXPECT_EQ(source.substr(start, end - start), "local b = a + nil");
        }
    }
}

} // namespace
