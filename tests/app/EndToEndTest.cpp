#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QImage>
#include <QTemporaryDir>

#include "SessionProcess.h"

#include <fstream>

namespace {

void Write(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString()) << text;
}

nlohmann::json ReadJson(const QString& path) {
    std::ifstream file(path.toStdString());
    return nlohmann::json::parse(file);
}

// What a dump cannot hold: every debugger line of the run also goes to the
// error output, and a screenshot is the main window's picture.
TEST(EndToEnd, DebuggerLinesGoToTheErrorOutputAndAScreenshotShowsTheMainWindow) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString script = folder.filePath("tour.script");
    Write(script, "tick 2\ndump \"" + folder.filePath("state.json").toStdString() +
                      "\"\nscreenshot \"" + folder.filePath("main.png").toStdString() + "\"\n");
    SessionRun run = RunSession(script);
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    nlohmann::json state = ReadJson(folder.filePath("state.json"));
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

} // namespace
