// Editing on the time line as a person does it, in a scripted session of the
// real program on the sample project: Shift+double-click, drags, the Delete
// key and the property editor; then a save and reload.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QProcess>
#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace {

using nlohmann::json;

// Cell centres of the time line: 12-pixel frames after a 30-pixel band,
// 18-pixel rows under a 20-pixel band.
std::string Cell(int row, int frame) {
    return std::to_string(30 + (frame - 1) * 12 + 6) + " " +
           std::to_string(20 + (row - 1) * 18 + 9);
}

class EditingSessionTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const {
        return m_folder.filePath(QString::fromStdString(name)).toStdString();
    }
    void Run(const std::string& script) {
        std::ofstream(Path("edit.script")) << script;
        QProcess process;
        process.setWorkingDirectory(QStringLiteral(CORVANE_APP_DIR));
        process.setProgram(QStringLiteral(CORVANE_APP_DIR "/corvane"));
        process.setArguments(
            {"--offscreen", "--script", QString::fromStdString(Path("edit.script"))});
        process.start();
        ASSERT_TRUE(process.waitForFinished(240000)) << "the session did not end";
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
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

TEST_F(EditingSessionTest, KeyFramesInstancesAndPropertiesAreEditedOnTheTimeLineAndSaved) {
    const std::string at = " @ \"Time Line\"";
    Run("open samples/sample.qmx\n"
        "key Ctrl+T\n"
        "resize \"Time Line\" 960 300\n"
        "mouse dblclk left " +
        Cell(1, 50) + at +
        " shift\n"
        "dump " +
        Path("state1.json") +
        "\n"
        "drag left " +
        Cell(5, 40) + " " + Cell(5, 43) + at +
        " steps 3\n"
        "answer dialog ok select 1001 FrameStop type 1002 60\n"
        "mouse dblclk left " +
        Cell(6, 10) + at +
        "\n"
        "drag left " +
        Cell(6, 60) + " " + Cell(6, 50) + at +
        " steps 10\n"
        "dump " +
        Path("state2.json") +
        "\n"
        "mouse down left " +
        Cell(2, 25) + at +
        "\n"
        "mouse up left " +
        Cell(2, 25) + at +
        "\n"
        "key Delete" +
        at +
        "\n"
        "dump " +
        Path("state3.json") +
        "\n"
        "answer dialog ok select 1001 TranslateY type 1002 \" 2.5 \"\n"
        "mouse dblclk left " +
        Cell(4, 10) + at +
        "\n"
        "key Backspace\n"
        "dump " +
        Path("state4.json") +
        "\n"
        "answer file " +
        Path("saved.qmx") +
        "\n"
        "menu \"&File\" \"Save &As\\tCtrl+Shift+S\"\n"
        "open " +
        Path("saved.qmx") +
        "\n"
        "dump " +
        Path("state5.json") + "\n");

    json added = State(1);
    EXPECT_THAT(KeyFrames(Row(added, 1)), testing::ElementsAre(34, 50, 67, 99));
    EXPECT_EQ(added["project"]["frame"], 50);
    // The added key frame is the one the time line shows selected.
    for (const json& keyFrame : Row(added, 1)["keyframes"])
        EXPECT_EQ(keyFrame["selected"], keyFrame["frame"] == 50) << keyFrame["frame"];

    json dragged = State(2);
    EXPECT_EQ(Row(dragged, 5)["start"], 23);
    EXPECT_EQ(Row(dragged, 5)["stop"], 103);
    EXPECT_THAT(KeyFrames(Row(dragged, 5)), testing::ElementsAre(30));
    EXPECT_EQ(Row(dragged, 6)["start"], 1);
    EXPECT_EQ(Row(dragged, 6)["stop"], 50);

    // The key frame after the deleted one took over its changes.
    json deleted = State(3);
    EXPECT_THAT(KeyFrames(Row(deleted, 2)), testing::ElementsAre(50, 75, 99));
    const json& removed = Row(dragged, 2)["keyframes"][0]["properties"];
    const json& before = Row(dragged, 2)["keyframes"][1]["properties"];
    const json& after = Row(deleted, 2)["keyframes"][0]["properties"];
    for (const auto& [name, value] : before.items())
        EXPECT_NEAR(
            std::stod(after[name].get<std::string>()),
            std::stod(value.get<std::string>()) + std::stod(removed[name].get<std::string>()), 1e-5)
            << name;

    json typed = State(4);
    EXPECT_EQ(Row(typed, 4)["properties"]["TranslateY"], "2.5");
    ASSERT_EQ(typed["dialogs"].size(), 2u);
    const json& editor = typed["dialogs"][1];
    EXPECT_EQ(editor["caption"], "Property Editor Dialog");
    EXPECT_EQ(editor["controls"][3]["id"], 1002);
    EXPECT_EQ(editor["controls"][3]["text"], " 2.5 ");
    const json& list = editor["controls"][1];
    EXPECT_EQ(list["items"][list["selection"].get<int>()], "TranslateY");

    // An instance shows the values of the frame it was last alive at: one
    // that starts after the current frame is compared without them.
    json reloaded = State(5);
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
