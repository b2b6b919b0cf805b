#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <fstream>
#include <map>
#include <sstream>

namespace {

// Runs the real executable on a script, as a person runs it from a shell.
struct SessionRun {
    int exitCode = -1;
    std::string errors;
};

SessionRun RunSession(const QString& script) {
    QProcess process;
    process.setProgram(QStringLiteral(CORVANE_APP_DIR "/corvane"));
    process.setArguments({"--offscreen", "--script", script});
    process.start();
    EXPECT_TRUE(process.waitForFinished(240000)) << "the session did not end";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}

void Write(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString()) << text;
}

nlohmann::json ReadJson(const QString& path) {
    std::ifstream file(path.toStdString());
    return nlohmann::json::parse(file);
}

const nlohmann::json* FindItem(const nlohmann::json& items, const std::string& text) {
    for (const auto& item : items)
        if (item["text"] == text)
            return &item;
    return nullptr;
}

TEST(EndToEnd, ASessionDumpsTheStateAndTakesAScreenshot) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString script = folder.filePath("tour.script");
    Write(script, "# a short session: two ticks, then what it looks like\n"
                  "tick 2\n"
                  "dump \"" +
                      folder.filePath("state.json").toStdString() +
                      "\"\n"
                      "screenshot \"" +
                      folder.filePath("main.png").toStdString() + "\"\n");

    SessionRun run = RunSession(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    nlohmann::json state = ReadJson(folder.filePath("state.json"));
    const nlohmann::json& menus = state["menus"];
    for (const char* text : {"&File", "&View", "&Window", "&Help"})
        EXPECT_TRUE(FindItem(menus, text)) << text;
    const nlohmann::json* file = FindItem(menus, "&File");
    ASSERT_TRUE(file);
    const nlohmann::json* exit = FindItem((*file)["items"], "E&xit\tAlt+F4");
    ASSERT_TRUE(exit);
    EXPECT_EQ((*exit)["enabled"], true);
    EXPECT_EQ((*exit)["separator"], false);
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
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), state["main_window"]["width"].get<int>());
    EXPECT_EQ(picture.height(), state["main_window"]["height"].get<int>());
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

// The module's handlers fill the host's menu bar in the order the plug-in
// list starts them.
TEST(EndToEnd, TheMenuBarHoldsTheModulesFileAndControlCommands) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString script = folder.filePath("menus.script");
    Write(script, "dump \"" + folder.filePath("state.json").toStdString() + "\"\n");
    SessionRun run = RunSession(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    // "text|id|prompt", "-" for a separator; "enabled checked" as two digits.
    const nlohmann::json state = ReadJson(folder.filePath("state.json"));
    std::vector<std::string> bar;
    std::map<std::string, std::vector<std::string>> items, states;
    for (const auto& menu : state["menus"]) {
        bar.push_back(menu["text"]);
        for (const auto& item : menu["items"]) {
            items[menu["text"]].push_back(item["separator"].get<bool>()
                                              ? "-"
                                              : item["text"].get<std::string>() + "|" +
                                                    std::to_string(item["id"].get<int>()) + "|" +
                                                    item["prompt"].get<std::string>());
            states[menu["text"]].push_back(std::string(item["enabled"].get<bool>() ? "1" : "0") +
                                           (item["checked"].get<bool>() ? "1" : "0"));
        }
    }
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&View", "&Control", "&Window", "&Help"}));
    EXPECT_EQ(items["&File"],
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
        items["&Control"],
        (std::vector<std::string>{
            "&Play\tEnter|101|Start playing the project\nPlay (Enter)",
            "&Stop\tEsc|102|Stop the playing\nStop (Esc)",
            "-",
            "&Rewind\tBackspace|103|Rewind to the beginning of the project\nRewind (Backspace)",
        }));
    EXPECT_EQ(states["&Control"], (std::vector<std::string>{"10", "01", "10", "10"}));
}

} // namespace
