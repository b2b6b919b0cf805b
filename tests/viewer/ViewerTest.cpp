// The viewer that Generate EXE makes, run as a person runs it: from its
// folder, wherever that folder has been moved.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string errors;
};

Outcome Start(const std::string& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(arguments);
    process.start();
    EXPECT_TRUE(process.waitForFinished(240000)) << program << " did not end";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}

void Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The linker is started and not waited for: its output appears once complete.
bool Await(const fs::path& file) {
    for (int attempt = 0; attempt < 1200 && !fs::exists(file); ++attempt)
        QThread::msleep(50);
    return fs::exists(file);
}

TEST(GeneratedViewer, PlaysTheProjectAnywhereAsTheCameraViewShowsIt) {
    QTemporaryDir temporary;
    fs::path folder = temporary.path().toStdString();
    fs::copy(CORVANE_SOURCE_DIR "/samples", folder / "project", fs::copy_options::recursive);
    fs::create_directories(folder / "made");
    // The Camera view keeps 4:3 inside a margin of 10 pixels and a frame of 3:
    // in a 660 x 500 frame its picture is 634 x 474, at (13, 13).
    Write(folder / "generate.script", "open \"" + (folder / "project/sample.qmx").string() +
                                          "\"\n" + "answer file \"" +
                                          (folder / "made/Sample.exe").string() + "\"\n" +
                                          "menu \"&File\" \"Generate EXE\"\n"
                                          "menu \"&View\" \"Camera\\tCtrl+Q\"\n"
                                          "resize Camera 660 500\n"
                                          "key Enter\n"
                                          "tick 10\n"
                                          "key Esc\n"
                                          "screenshot \"" +
                                          (folder / "camera.png").string() + "\" @ Camera\n" +
                                          "dump \"" + (folder / "state.json").string() + "\"\n");
    // The session keeps its recovery copies away from the user's own.
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    Outcome session = Start(CORVANE_APP_DIR "/corvane",
                            {"--offscreen", "--script", (folder / "generate.script").c_str()});
    ASSERT_EQ(session.exitCode, 0) << session.errors;
    auto state = nlohmann::json::parse(Read(folder / "state.json"));
    std::vector<std::string> programs;
    for (const auto& process : state["processes"])
        programs.push_back(process["program"]);
    EXPECT_EQ(programs,
              (std::vector<std::string>{CORVANE_APP_DIR "/tools\\rc.exe",
                                        CORVANE_APP_DIR "/linkcmd.bat", "tools\\link.exe"}));
    ASSERT_TRUE(Await(folder / "made/Sample.exe")) << "no viewer was linked";

    fs::path moved = folder / "elsewhere/viewer";
    fs::create_directories(moved.parent_path());
    fs::rename(folder / "made", moved);
    Write(moved / "platform.cfg", "viewer.width = 634\nviewer.height = 474\n");

    Outcome viewer =
        Start((moved / "Sample.exe").string(),
              {"--offscreen", "--frames", "10", "--screenshot", (folder / "viewer.png").c_str()});
    ASSERT_EQ(viewer.exitCode, 0) << viewer.errors;
    QImage played(QString::fromStdString((folder / "viewer.png").string()));
    QImage camera(QString::fromStdString((folder / "camera.png").string()));
    ASSERT_EQ(played.size(), QSize(634, 474));
    EXPECT_EQ(played.convertToFormat(QImage::Format_RGB32),
              camera.copy(13, 13, 634, 474).convertToFormat(QImage::Format_RGB32));
}

// A viewer linked by the installation's own tools from a small project, in a
// folder that holds what Generate EXE puts beside a viewer.
class BrokenViewerTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_temporary.isValid());
        fs::create_directories(m_folder / "src");
        fs::create_directories(m_folder / "Plugins");
        for (const char* name : {"TVKFramework.dll", "TVKFiles.dll", "QDObject.dll",
                                 "CorvaneArchitecture.dll", "Nimbrel.dll", "platform.cfg"})
            fs::copy_file(fs::path(CORVANE_APP_DIR) / name, m_folder / name);
        fs::copy_file(CORVANE_APP_DIR "/Plugins/CorvaneMedia.dll",
                      m_folder / "Plugins/CorvaneMedia.dll");
        Write(m_folder / "src/Viewer.rc", "PROJECT CORVANEPROJECT \"temp.qm$\"\n");
        Write(m_folder / "src/temp.qm$",
              R"json({"format": "Corvane project", "version": 1, "cast": [], "instances": [
                  {"class": "FrameScript", "row": 1, "start": 2, "stop": 2,
                   "cast": {"class": "DummyCM"}, "properties": {},
                   "scripts": {"Script": "error('the script broke')"}}]})json");
        std::string res = (m_folder / "src/Viewer.res").string();
        Outcome rc = Start(CORVANE_APP_DIR "/tools/rc.exe",
                           {"/fo", res.c_str(), (m_folder / "src/Viewer.rc").c_str()});
        ASSERT_EQ(rc.exitCode, 0) << rc.errors;
        Outcome link =
            Start(CORVANE_APP_DIR "/tools/link.exe",
                  {("/out:" + Viewer()).c_str(), res.c_str(), CORVANE_APP_DIR "/obj/Viewer.obj"});
        ASSERT_EQ(link.exitCode, 0) << link.errors;
    }
    std::string Viewer() const { return (m_folder / "viewer.exe").string(); }
    Outcome Play(const std::string& program) {
        return Start(program, {"--offscreen", "--frames", "3"});
    }

    QTemporaryDir m_temporary;
    fs::path m_folder = m_temporary.path().toStdString();
};

TEST_F(BrokenViewerTest, AScriptErrorIsToldAndPlayingEnds) {
    Outcome run = Play(Viewer());
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.errors.find("the script broke"), std::string::npos) << run.errors;
}

TEST_F(BrokenViewerTest, MissingOrDamagedResourcesAreToldAndTheViewerEnds) {
    // How each kind of damage is told is the resource reader's own affair.
    std::string changed = Read(Viewer());
    changed[changed.size() - 40] ^= 1;
    const struct {
        std::string bytes, message;
    } cases[] = {
        {changed, "the resources have been changed or damaged"},
        {Read(CORVANE_APP_DIR "/obj/Viewer.obj"), "the program carries no resources"},
    };
    for (const auto& c : cases) {
        Write(m_folder / "broken.exe", c.bytes);
        fs::permissions(m_folder / "broken.exe", fs::perms::owner_all);
        Outcome run = Play((m_folder / "broken.exe").string());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(
            run.errors.find("This viewer cannot play: its resources are missing or damaged: " +
                            c.message),
            std::string::npos)
            << run.errors;
    }

    fs::remove(m_folder / "platform.cfg");
    Outcome run = Play(Viewer());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("platform.cfg\" is missing"), std::string::npos) << run.errors;
}

} // namespace
