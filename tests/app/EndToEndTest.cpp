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
TEST(EndToEnd, TheMenuBarHoldsTheModulesFileInsertAndControlCommands) {
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
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Edit", "&View", "I&nsert", "&Control",
                                             "&Window", "&Help"}));
    EXPECT_EQ(items["&Edit"], (std::vector<std::string>{
                                  "&Undo\tCtrl+Z|57643|Undo the last action\nUndo",
                                  "&Redo\tCtrl+Y|57644|Redo the previously undone action\nRedo"}));
    EXPECT_EQ(items["&File"],
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
        items["&Control"],
        (std::vector<std::string>{
            "&Play\tEnter|104|Start playing the project\nPlay (Enter)",
            "&Stop\tEsc|105|Stop the playing\nStop (Esc)",
            "-",
            "&Rewind\tBackspace|106|Rewind to the beginning of the project\nRewind (Backspace)",
        }));
    EXPECT_EQ(states["&Control"], (std::vector<std::string>{"10", "01", "10", "10"}));
    EXPECT_EQ(items["I&nsert"],
              (std::vector<std::string>{
                  "Cast Member|101|Insert a cast member into the Cast List\nInsert Cast Member",
                  "Frame Script|102|Insert a frame script at a specified frame\nInsert Frame "
                  "Script",
                  "Light|103|Insert a light into the scene\nInsert Light",
              }));
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
    const std::string media = CORVANE_SOURCE_DIR "/samples/media/";
    const std::string at = folder.path().toStdString() + "/";
    const QString script = folder.filePath("insert.script");
    Write(script, "key Ctrl+T\nresize \"Time Line\" 600 160\nkey Ctrl+L\n"
                  "resize \"Cast List\" 190 60\n"
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
                      at +
                      "01-cast.png\" @ \"Cast List\"\n"
                      "drag left 30 28 504 29 @ \"Cast List\" to \"Time Line\"\n"
                      "drag left 90 28 504 47 @ \"Cast List\" to \"Time Line\"\n"
                      "drag left 150 28 504 65 @ \"Cast List\" to \"Time Line\"\n"
                      "dump \"" +
                      at +
                      "1.json\"\n"
                      "menu \"I&nsert\" \"Light\"\n"
                      "answer dialog ok type 1000 5\nmenu \"I&nsert\" \"Frame Script\"\n"
                      // The author types the script: a double-click on the frame
                      // script opens its property editor, Scripts its script editor.
                      "answer dialog ok click 1003\n"
                      "answer dialog ok type 1005 \"local a = 1\\nlocal b = a + nil\\n\"\n"
                      "mouse dblclk left 84 47 @ \"Time Line\"\n"
                      "screenshot \"" +
                      at +
                      "02-time-line.png\" @ \"Time Line\"\n"
                      "dump \"" +
                      at +
                      "2.json\"\n"
                      "answer file \"" +
                      at +
                      "built.qmx\"\n"
                      "menu \"&File\" \"Save &As\\tCtrl+Shift+S\"\n");
    SessionRun run = RunSession(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(Layout(ReadJson(folder.filePath("1.json"))),
              (std::vector<std::string>{"Actor cube.obj 1 35-45", "Actor logo.png 2 35-45",
                                        "Actor title.txt 3 35-45"}));
    EXPECT_EQ(Layout(ReadJson(folder.filePath("2.json"))),
              (std::vector<std::string>{"Light Light 1 1-21", "Actor cube.obj 1 35-45",
                                        "FrameScript Frame Script 2 5-5", "Actor logo.png 2 35-45",
                                        "Actor title.txt 3 35-45"}));

    Write(script, "open \"" + at +
                      "built.qmx\"\nkey Ctrl+T\n"
                      "answer message yes\nanswer dialog ok\nkey Enter\ntick 8\nkey Esc\n"
                      "screenshot \"" +
                      at + "03-after-error.png\"\ndump \"" + at + "3.json\"\n");
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

TEST(EndToEnd, DraggingTheCubeMovesItOneUnitPerTwentyFivePixelsAndTurnsItWithTheRightButton) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string dir = folder.path().toStdString() + "/";
    const char* const views[] = {"Camera", "Top", "Front", "Side"};
    std::string script = "open \"" CORVANE_APP_DIR "/samples/sample.qmx\"\n"
                         "key Ctrl+Q\nkey Ctrl+W\nkey Ctrl+E\nkey Ctrl+R\nkey Ctrl+T\nkey Ctrl+L\n";
    auto screenshots = [&](const char* suffix) {
        for (const char* view : views)
            script += "screenshot \"" + dir + view + suffix + ".png\" @ " + view + "\n";
    };
    screenshots("-before");
    // The cube (-4.5, -1, 0) lies 112 pixels left of and 25 below the middle
    // of the Front view's 768 x 545 client area at zoom 1.
    script += "drag left 271 297 296 297 @ Front steps 5\ndump \"" + dir + "moved.json\"\n";
    screenshots("-after");
    script += "drag right 296 272 326 272 @ Top steps 3\ndump \"" + dir + "turned.json\"\n";
    Write(folder.filePath("drag.script"), script);

    SessionRun run = RunSession(folder.filePath("drag.script"));
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const nlohmann::json moved = ReadJson(folder.filePath("moved.json"))["instances"][0];
    EXPECT_EQ(moved["properties"]["TranslateX"], "-3.500000");
    EXPECT_EQ(moved["properties"]["TranslateY"], "-1.000000");
    EXPECT_EQ(moved["selected"], true);
    const nlohmann::json turned = ReadJson(folder.filePath("turned.json"))["instances"][0];
    EXPECT_EQ(turned["properties"]["RotationZ"], "-30.000000");
    EXPECT_EQ(turned["properties"]["TranslateX"], "-3.500000");
    for (const char* view : views)
        EXPECT_NE(QImage(QString::fromStdString(dir + view + "-before.png")),
                  QImage(QString::fromStdString(dir + view + "-after.png")))
            << view;
}
