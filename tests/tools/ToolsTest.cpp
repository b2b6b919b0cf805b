#include "tools/Linker.h"
#include "tools/ProjectBundle.h"
#include "tools/ResourceCompiler.h"
#include "tools/ResourceError.h"
#include "tools/ResourceFile.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class ToolsTest : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(Path("project/media"));
        fs::create_directories(Path("obj"));
        Write("project/media/cube.obj", "v 0 0 0");
        Write("logo.png", "PNG");
        // A saved project names its media relative to its own folder; the copy
        // that the resource compiler reads lies elsewhere.
        Write("obj/temp.qm$", R"({"format": "Corvane project", "version": 1,
            "cast": [{"class": "MeshCM", "file": "media\\cube.obj"},
                     {"class": "ImageCM", "file": ")" +
                                  Path("logo.png") + R"("}],
            "instances": [{"cast": {"class": "MeshCM", "file": "media/./cube.obj"}},
                          {"cast": {"class": "LightCM"}}]})");
    }
    void TearDown() override { unsetenv("CORVANE_PROJECT"); }

    std::string Path(const std::string& name) const {
        return m_folder.path().toStdString() + "/" + name;
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
    // Runs a tool; its exit status and what it wrote to standard error.
    std::pair<int, std::string> Run(int (*tool)(const Strings&), const Strings& arguments) {
        testing::internal::CaptureStderr();
        int status = tool(arguments);
        return {status, testing::internal::GetCapturedStderr()};
    }

    QTemporaryDir m_folder;
};

// The reason a project is refused, or "" when it is not.
std::string Refusal(const std::string& project, const std::string& mediaFolder) {
    try {
        ProjectBundle::Make("PROJECT", project, mediaFolder);
        return "";
    } catch (const ResourceError& error) {
        return error.what();
    }
}

TEST_F(ToolsTest, TheProjectTakesItsMediaAlongUnderNamesItIsRewrittenTo) {
    auto entries = ProjectBundle::Make("PROJECT", Path("obj/temp.qm$"), Path("project"));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].name, "media/1/cube.obj");
    EXPECT_EQ(entries[1].data, "v 0 0 0");
    EXPECT_EQ(entries[2].name, "media/2/logo.png");
    auto project = nlohmann::json::parse(entries[0].data);
    EXPECT_EQ(project["cast"][0]["file"], "media/1/cube.obj");
    EXPECT_EQ(project["cast"][1]["file"], "media/2/logo.png");
    EXPECT_EQ(project["instances"][0]["cast"]["file"], "media/1/cube.obj");
    EXPECT_FALSE(project["instances"][1]["cast"].contains("file"));

    EXPECT_EQ(Refusal(Path("obj/temp.qm$"), Path("obj"))
                  .find("the medium \"media\\cube.obj\" of the project \"" + Path("obj/temp.qm$")),
              0u);
    Write("obj/other.qmx", "[1]");
    EXPECT_EQ(Refusal(Path("obj/other.qmx"), Path("obj")),
              "the project \"" + Path("obj/other.qmx") + "\" is not a Corvane project file");
}

TEST_F(ToolsTest, TheResourceCompilerTakesTheCommandLineOfGenerateEXE) {
    Write("obj/Viewer.rc", "PROJECT CORVANEPROJECT \"temp.qm$\"\n");
    Write("obj/Viewer.res", "stale");
    Strings arguments = {"/l", "0x809",  "/fo" + Path("obj\\Viewer.res"),
                         "/d", "NDEBUG", Path("obj\\Viewer.rc")};

    // Without the open project's folder the media are not found, and no
    // stale output is left to be linked.
    auto [status, errors] = Run(ResourceCompiler::Run, arguments);
    EXPECT_EQ(status, 1);
    EXPECT_NE(errors.find("rc.exe: the medium \"media\\cube.obj\""), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(Path("obj/Viewer.res")));

    setenv("CORVANE_PROJECT", Path("project/sample.qmx").c_str(), 1);
    EXPECT_EQ(Run(ResourceCompiler::Run, arguments).first, 0);
    auto entries = ResourceFile::Parse(Read(Path("obj/Viewer.res")));
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_EQ(Run(ResourceCompiler::Run, {"/x", Path("obj/Viewer.rc")}).first, 2);
}

TEST_F(ToolsTest, TheLinkerAttachesTheResourcesToTheProgramAndRefusesAMissingInput) {
    Write("obj/Viewer.obj", "\x7f"
                            "ELF viewer");
    Write("obj/Other.obj", "piece");
    Write("obj/Viewer.res", ResourceFile::Serialize({{"PROJECT", "{}"}}));
    Strings inputs = {Path("obj\\Other.obj"), Path("obj\\Viewer.res"), Path("obj\\Viewer.obj")};
    Strings options = {"/nologo", "/subsystem:windows", "/incremental:no", "/machine:I386",
                       "/out:" + Path("viewer.exe")};
    Strings arguments = options;
    arguments.insert(arguments.end(), inputs.begin(), inputs.end());

    EXPECT_EQ(Run(Linker::Run, arguments).first, 0);
    EXPECT_EQ(Read(Path("viewer.exe")), ResourceFile::Attach("\x7f"
                                                             "ELF viewer",
                                                             Read(Path("obj/Viewer.res"))));
    EXPECT_NE(fs::status(Path("viewer.exe")).permissions() & fs::perms::owner_exec,
              fs::perms::none);

    fs::remove(Path("viewer.exe"));
    arguments.push_back("lib\\glaux.lib");
    auto [status, errors] = Run(Linker::Run, arguments);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, "link.exe: cannot open input file \"lib\\glaux.lib\"\n");
    EXPECT_FALSE(fs::exists(Path("viewer.exe")));

    arguments = options;
    arguments.push_back(Path("obj/Other.obj"));
    EXPECT_EQ(Run(Linker::Run, arguments).second,
              "link.exe: no input file holds the viewer program\n");
}

} // namespace
