// Editing on the time line as a person does it, in a scripted session of the
// real program on the sample project: Shift+double-click and the property
// editor, as the dump records them; then a save and reload.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QTemporaryDir>

#include "SessionProcess.h"

#include <fstream>
#include <string>

namespace {

using nlohmann::json;

class EditingSessionTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const {
        return m_folder.filePath(QString::fromStdString(name)).toStdString();
    }
    void Run(const std::string& script) {
        std::ofstream(Path("edit.script")) << script;
        SessionRun run = RunSession(QString::fromStdString(Path("edit.script")));
        ASSERT_EQ(run.exitCode, 0) << run.errors;
    }
    json State(int n) const {
        return json::parse(std::ifstream(Path("state" + std::to_string(n) + ".json")));
    }
    // A reference into state, which must outlive it.
    static const json& Row(const json& state, int row) {
        static const json none;
        for (const json& instance : state["instances"])
            if (instance["row"] == row)
                return instance;
        return none;
    }
    static std::vector<int> KeyFrames(const json& instance) {
        std::vector<int> frames;
        for (const json& keyFrame : instance["keyframes"])
            frames.push_back(keyFrame["frame"]);
        return frames;
    }

    QTemporaryDir m_folder;
};

TEST_F(EditingSessionTest, KeyFramesAndPropertiesEditedOnTheTimeLineAreDumpedAndSaved) {
    // Points are cell centres of the time line: 12-pixel frames after a
    // 30-pixel band, 18-pixel rows under a 20-pixel band (frame 50 of row 1
    // at 624 29).
    std::string script = R"(open samples/sample.qmx
key Ctrl+T
resize "Time Line" 960 300
mouse dblclk left 624 29 @ "Time Line" shift
dump DIR/state1.json
answer dialog ok select 1001 TranslateY type 1002 " 2.5 "
mouse dblclk left 144 83 @ "Time Line"
key Backspace
dump DIR/state2.json
answer file DIR/saved.qmx
menu "&File" "Save &As\tCtrl+Shift+S"
open DIR/saved.qmx
dump DIR/state3.json
)";
    for (size_t at; (at = script.find("DIR")) != std::string::npos;)
        script.replace(at, 3, m_folder.path().toStdString());
    Run(script);

    json added = State(1);
    EXPECT_THAT(KeyFrames(Row(added, 1)), testing::ElementsAre(34, 50, 67, 99));
    EXPECT_EQ(added["project"]["frame"], 50);
    // The added key frame is the one the time line shows selected.
    for (const json& keyFrame : Row(added, 1)["keyframes"])
        EXPECT_EQ(keyFrame["selected"], keyFrame["frame"] == 50) << keyFrame["frame"];

    json typed = State(2);
    EXPECT_EQ(Row(typed, 4)["properties"]["TranslateY"], "2.5");
    ASSERT_EQ(typed["dialogs"].size(), 1u);
    const json& editor = typed["dialogs"][0];
    EXPECT_EQ(editor["caption"], "Property Editor Dialog");
    EXPECT_EQ(editor["controls"][3]["id"], 1002);
    EXPECT_EQ(editor["controls"][3]["text"], " 2.5 ");
    const json& list = editor["controls"][1];
    EXPECT_EQ(list["items"][list["selection"].get<int>()], "TranslateY");

    // An instance shows the values of the frame it was last alive at: one
    // that starts after the current frame is compared without them.
    json reloaded = State(3);
    for (json* state : {&typed, &reloaded})
        for (json& instance : (*state)["instances"]) {
            instance.erase("id");
            instance.erase("selected");
            if (instance["start"] > (*state)["project"]["frame"])
                instance.erase("properties");
        }
    EXPECT_EQ(reloaded["instances"], typed["instances"]);
}

} // namespace
