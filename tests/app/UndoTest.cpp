// Undo and redo in scripted sessions of the real program on the sample
// project: every kind of edit is one named step, taken back and done again
// exactly; fifty of them come back and go again.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QTemporaryDir>

#include "SessionProcess.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

const std::string kTimeLine = " @ \"Time Line\"";

// Cell centres of the time line: 12-pixel frames after a 30-pixel band,
// 18-pixel rows under a 20-pixel band.
std::string Cell(int row, int frame) {
    return std::to_string(30 + (frame - 1) * 12 + 6) + " " +
           std::to_string(20 + (row - 1) * 18 + 9);
}

class UndoTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const {
        return m_folder.filePath(QString::fromStdString(name)).toStdString();
    }
    // The sample project in the six windows, the time line and cast list
    // sized as the cells above expect.
    void Run(const std::string& commands) {
        std::ofstream(Path("undo.script"))
            << "open samples/sample.qmx\nlayout default\nresize \"Time Line\" 960 300\n"
               "resize \"Cast List\" 190 60\n"
            << commands;
        SessionRun run = RunSession(QString::fromStdString(Path("undo.script")));
        ASSERT_EQ(run.exitCode, 0) << run.errors;
    }
    // Dumps at frame 1, whatever frame the last gesture left.
    std::string Dump(const std::string& name) const {
        return "key Backspace\ndump " + Path(name + ".json") + "\n";
    }
    json Read(const std::string& name) const {
        return json::parse(std::ifstream(Path(name + ".json")));
    }
    // The project without what undo leaves behind by design (selections, the
    // file name after a save) or what shows a frame other than the current
    // one (an instance not yet alive shows the values of its last frame).
    json Project(const std::string& name) const {
        json state = Read(name);
        json project = {{"frame", state["project"]["frame"]}, {"cast", state["cast"]}};
        for (json& instance : state["instances"]) {
            instance["selected"] = false;
            for (json& keyFrame : instance["keyframes"])
                keyFrame["selected"] = false;
            if (instance["start"] > 1)
                for (const char* name :
                     {"TranslateX", "TranslateY", "TranslateZ", "RotationX", "RotationY",
                      "RotationZ", "ScaleX", "ScaleY", "ScaleZ", "Red", "Green", "Blue"})
                    instance["properties"].erase(name);
            project["instances"].push_back(instance);
        }
        return project;
    }
    // "text|enabled" of the Edit menu's items.
    std::vector<std::string> EditMenu(const std::string& name) const {
        std::vector<std::string> items;
        json state = Read(name);
        for (const json& menu : state["menus"])
            if (menu["text"] == "&Edit")
                for (const json& item : menu["items"])
                    items.push_back(item["text"].get<std::string>() + "|" +
                                    (item["enabled"].get<bool>() ? "1" : "0"));
        return items;
    }

    QTemporaryDir m_folder;
};

TEST_F(UndoTest, EveryKindOfEditIsOneNamedStepUndoneAndRedoneExactly) {
    struct Edit {
        std::string commands;
        std::string step; // empty: no step
    };
    const Edit edits[] = {
        {"drag left 88 138 113 138 @ Front steps 5\n", "Move"},
        {"drag left 5 5 40 5 @ Top steps 3\n", ""},
        {"drag left " + Cell(5, 40) + " " + Cell(5, 43) + kTimeLine + " steps 3\n",
         "Time Line Edit"},
        {"drag left " + Cell(6, 60) + " " + Cell(6, 50) + kTimeLine + " steps 10\n",
         "Time Line Edit"},
        {"mouse dblclk left " + Cell(1, 50) + kTimeLine + " shift\ndump " + Path("added.json") +
             "\n",
         "Add Key Frame"},
        {"drag left " + Cell(1, 50) + " " + Cell(1, 45) + kTimeLine + " steps 5\n",
         "Time Line Edit"},
        {"mouse down left " + Cell(2, 25) + kTimeLine + "\nmouse up left " + Cell(2, 25) +
             kTimeLine + "\nkey Delete" + kTimeLine + "\n",
         "Delete"},
        {"answer dialog ok select 1001 TranslateY type 1002 \" 2.5 \"\nmouse dblclk left " +
             Cell(4, 10) + kTimeLine + "\n",
         "Property Editor Dialog"},
        {"answer file \"" CORVANE_SOURCE_DIR "/samples/media/ring.obj\"\n"
         "menu \"I&nsert\" \"Cast Member\"\n",
         "Cast Member"},
        {"drag left 30 28 " + Cell(9, 10) + " @ \"Cast List\" to \"Time Line\"\n", "Drop Instance"},
        {"menu \"I&nsert\" \"Light\"\n", "Light"},
        {"answer dialog ok type 1000 5\nmenu \"I&nsert\" \"Frame Script\"\n", "Frame Script"},
        // The frame script just inserted: its property editor, then its
        // script editor, which names the step.
        {"answer dialog ok click 1003\nanswer dialog ok type 1005 \"local a = 1\\n\"\n"
         "mouse dblclk left " +
             Cell(8, 5) + kTimeLine + "\n",
         "Script Editor Dialog"},
    };
    std::string commands = Dump("start");
    for (size_t i = 0; i < std::size(edits); ++i) {
        std::string n = std::to_string(i);
        commands += Dump(n + "before") + edits[i].commands + Dump(n + "edited") + "key Ctrl+Z\n" +
                    Dump(n + "undone") + "key Ctrl+Y\n" + Dump(n + "redone");
    }
    Run(commands);
    EXPECT_EQ(EditMenu("start"), (std::vector<std::string>{"&Undo\tCtrl+Z|0", "&Redo\tCtrl+Y|0"}));
    // The title marks unsaved changes as soon as a gesture ends, and drops the
    // mark when undo brings the opened project back.
    auto title = [&](const std::string& name) { return Read(name)["main_window"]["title"]; };
    EXPECT_EQ(title("0before"), "sample.qmx - Corvane");
    EXPECT_EQ(title("0edited"), "sample.qmx* - Corvane");
    EXPECT_EQ(title("0undone"), "sample.qmx - Corvane");
    for (size_t i = 0; i < std::size(edits); ++i) {
        SCOPED_TRACE(edits[i].commands);
        std::string n = std::to_string(i);
        if (edits[i].step.empty()) {
            EXPECT_EQ(Project(n + "edited"), Project(n + "before"));
            EXPECT_EQ(EditMenu(n + "edited"), EditMenu(n + "before"));
            continue;
        }
        EXPECT_NE(Project(n + "edited"), Project(n + "before"));
        EXPECT_EQ(Project(n + "undone"), Project(n + "before"));
        EXPECT_EQ(Project(n + "redone"), Project(n + "edited"));
        EXPECT_EQ(
            EditMenu(n + "edited"),
            (std::vector<std::string>{"&Undo " + edits[i].step + "\tCtrl+Z|1", "&Redo\tCtrl+Y|0"}));
        EXPECT_EQ(EditMenu(n + "undone")[1], "&Redo " + edits[i].step + "\tCtrl+Y|1");
    }
    // The added key frame is the one the time line shows selected.
    const json added = Read("added");
    std::vector<std::string> selected;
    for (const json& instance : added["instances"])
        for (const json& keyFrame : instance["keyframes"])
            if (keyFrame["selected"].get<bool>())
                selected.push_back(instance["row"].dump() + " " + keyFrame["frame"].dump());
    EXPECT_EQ(selected, std::vector<std::string>{"1 50"});
}

std::string ReadFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST_F(UndoTest, FiftyEditsComeBackAndGoAgainAndSaveAsBeforeAndOpenStartsAfresh) {
    std::string commands = Dump("start") + "drag left 88 138 113 138 @ Front steps 5\n";
    for (int i = 1; i < 50; ++i)
        switch (i % 4) {
        case 0: // at frame 1, where the cube is
            commands += "key Backspace\ndrag right 113 113 123 113 @ Top steps 2\n";
            break;
        case 1: // forth and back
            commands += "drag left " + Cell(5, 40 + i / 4 % 2) + " " + Cell(5, 41 - i / 4 % 2) +
                        kTimeLine + " steps 2\n";
            break;
        case 2:
            commands += "answer dialog ok select 1001 TranslateY type 1002 " + std::to_string(i) +
                        "\nmouse dblclk left " + Cell(4, 10) + kTimeLine + "\n";
            break;
        default:
            commands += "mouse dblclk left " + Cell(1, 35 + i / 4) + kTimeLine + " shift\n";
        }
    commands += Dump("end") + "answer file " + Path("end.qmx") +
                "\nmenu \"&File\" \"Save &As\\tCtrl+Shift+S\"\n";
    for (int i = 0; i < 50; ++i)
        commands += "key Ctrl+Z\n";
    commands += Dump("undone");
    for (int i = 0; i < 50; ++i)
        commands += "menu \"&Edit\" \"&Redo\"\n";
    commands += Dump("redone") + "answer file " + Path("redone.qmx") +
                "\nmenu \"&File\" \"Save &As\\tCtrl+Shift+S\"\nopen samples/sample.qmx\n" +
                Dump("opened");
    Run(commands);
    EXPECT_EQ(Project("undone"), Project("start"));
    EXPECT_EQ(EditMenu("undone")[0], "&Undo\tCtrl+Z|0");
    EXPECT_EQ(Project("redone"), Project("end"));
    EXPECT_EQ(ReadFile(Path("redone.qmx")), ReadFile(Path("end.qmx")));
    EXPECT_EQ(EditMenu("opened"), (std::vector<std::string>{"&Undo\tCtrl+Z|0", "&Redo\tCtrl+Y|0"}));
}

} // namespace
