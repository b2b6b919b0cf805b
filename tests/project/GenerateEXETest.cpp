// Generate EXE in the host it is made for, driving an installation laid out
// in this test program's own application folder: a resource compiler and a
// linker that write down what they were given, the runtime files (links to
// the build's own), and plug-in libraries of which only some are loaded.

#include "TestHost.h"

#include "framework/AppPath.h"
#include "framework/PluginManager.h"
#include "platform/Automation.h"
#include "project/FileMenuHandler.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const char* const kRuntimeFiles[] = {"TVKFramework.dll",        "TVKFiles.dll", "QDObject.dll",
                                     "CorvaneArchitecture.dll", "Nimbrel.dll",  "platform.cfg"};

// The resource compiler keeps the project copy it found, whole; the linker
// does nothing. Both are exercised for real by the viewer's tests.
const char kResourceCompiler[] = "#!/bin/sh\n"
                                 "cp '../obj/temp.qm$' ../obj/rc-saw.part\n"
                                 "mv ../obj/rc-saw.part ../obj/rc-saw.qmx\n";

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class GenerateEXETest : public CommandsTest {
  protected:
    void SetUp() override {
        // The test processes of this program share its application folder.
        m_nLock = open(App(".GenerateEXETest.lock").c_str(), O_CREAT | O_RDWR, 0644);
        ASSERT_EQ(flock(m_nLock, LOCK_EX), 0);
        m_before = fs::current_path();
        CommandsTest::SetUp();
        for (const char* folder : {"tools", "obj", "Plugins"})
            fs::create_directories(App(folder));
        WriteTool("tools/rc.exe", kResourceCompiler);
        WriteTool("tools/link.exe", "#!/bin/sh\n");
        for (const char* name : kRuntimeFiles)
            fs::create_symlink(fs::path(CORVANE_APP_DIR) / name, App(name));
        // Viewer-capable: the media library, loaded and not; loaded but not
        // viewer-capable: a runtime library.
        fs::copy_file(CORVANE_APP_DIR "/Plugins/CorvaneMedia.dll", App("Plugins/Loaded.dll"));
        fs::copy_file(CORVANE_APP_DIR "/Plugins/CorvaneMedia.dll", App("Plugins/NotLoaded.dll"));
        fs::copy_file(CORVANE_APP_DIR "/TVKFiles.dll", App("Plugins/NoViewer.dll"));
        ASSERT_TRUE(GetPluginManager()->LoadLibrary(App("Plugins/Loaded.dll")));
        ASSERT_TRUE(GetPluginManager()->LoadLibrary(App("Plugins/NoViewer.dll")));

        m_project = m_folder.filePath("tour.qmx").toStdString();
        std::ofstream(m_project) << "the project";
        m_pProject->m_strFileName = m_project;
        m_pHandler = new FileMenuHandler;
        m_pHandler->Initialize();
        CallLog().clear();
    }
    void TearDown() override {
        m_pHandler = nullptr;
        CommandsTest::TearDown();
        GetPluginManager()->UnloadAll();
        for (const char* created : {"tools", "obj", "Plugins", "linkcmd.bat"})
            fs::remove_all(App(created));
        for (const char* name : kRuntimeFiles)
            fs::remove(App(name));
        fs::current_path(m_before);
        close(m_nLock);
    }

    static std::string App(const std::string& name) { return GetAppPath(name).str(); }
    void WriteTool(const char* name, const char* script) {
        std::ofstream(App(name)) << script;
        fs::permissions(App(name), fs::perms::owner_all);
    }
    // Runs Generate EXE with the executable dialog answered by a path, or
    // cancelled; the dialogs before it are cancelled.
    void Generate(std::optional<std::string> executable) {
        Automation::Instance().QueueFileAnswer(std::move(executable));
        m_pHandler->ExecuteMenuItem(FileMenuHandler::kGenerateEXE);
    }
    std::vector<std::string> Listing(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            names.push_back(fs::relative(entry.path(), folder).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    int m_nLock = -1;
    fs::path m_before;
    QTemporaryDir m_folder;
    std::string m_project;
    Pointer<FileMenuHandler> m_pHandler;
};

TEST_F(GenerateEXETest, TheToolsGetTheirExactTextAndTheProjectCopyOnlyWhileTheyRun) {
    std::string exe = m_folder.filePath("My Viewer.exe").toStdString();
    m_pTimer->m_bRunning = true;
    Generate(exe);
    const std::string app = App("");
    const std::string linkCommand =
        " /nologo /subsystem:windows /incremental:no /machine:I386 /out:\"" + exe +
        "\" \"lib\\advapi32.lib\" \"lib\\gdi32.lib\" \"lib\\odbccp32.lib\" \"lib\\odbc32.lib\" "
        "\"lib\\comdlg32.lib\" \"lib\\ole32.lib\" \"lib\\oleaut32.lib\" \"lib\\uuid.lib\" "
        "\"lib\\winspool.lib\" \"lib\\TVKFiles.lib\" \"lib\\TVKFramework.lib\" "
        "\"lib\\TVKMain.lib\" \"lib\\kernel32.lib\" \"lib\\CorvaneArchitecture.lib\" "
        "\"lib\\shell32.lib\" \"lib\\user32.lib\" \"lib\\opengl32.lib\" \"lib\\glu32.lib\" "
        "\"lib\\libc.lib\" \"lib\\oldnames.lib\" \"lib\\libcp.lib\" \"lib\\glaux.lib\" "
        "\"obj\\Viewer.res\" \"obj\\PlayerTimerStdImplForViewer.obj\" \"obj\\StdAfx.obj\" "
        "\"obj\\Viewer.obj\" \"obj\\ViewerScriptExceptionHandler.obj\"";
    EXPECT_EQ(CallLog(), (Texts{"Stop", "Save(" + m_project + ")"}));

    const auto& p = Automation::Instance().GetProcesses();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(
        (Texts{p[0].program, p[0].parameters, p[0].folder, p[1].program, p[1].parameters,
               p[1].folder, p[2].program, p[2].parameters}),
        (Texts{app + "tools\\rc.exe",
               " /l 0x809 /fo\"" + app + "obj\\Viewer.res\" /d \"NDEBUG\" \"" + app +
                   "obj\\Viewer.rc\"",
               app + "tools\\", app + "linkcmd.bat", "", app, "tools\\link.exe", linkCommand}));
    EXPECT_EQ(Read(App("linkcmd.bat")), "@echo off\r\ntools\\link.exe" + linkCommand);
    // The runtime files and only the loaded viewer plug-ins go beside the viewer.
    Texts beside(std::begin(kRuntimeFiles), std::end(kRuntimeFiles));
    beside.insert(beside.end(), {"Plugins", "Plugins/Loaded.dll", "tour.qmx"});
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(Listing(m_folder.path().toStdString()), beside);
    EXPECT_EQ(fs::file_size(m_folder.filePath("QDObject.dll").toStdString()),
              fs::file_size(CORVANE_APP_DIR "/QDObject.dll"));

    // The resource compiler ran while the copy was there; the copy is gone
    // once the command has ended.
    EXPECT_EQ(Read(App("obj/rc-saw.qmx")), "the project");
    EXPECT_FALSE(fs::exists(App("obj/temp.qm$")));
    EXPECT_EQ(fs::current_path(), fs::canonical(app));
}

TEST_F(GenerateEXETest, AnExecutableInTheApplicationFolderGetsNothingBesideIt) {
    // The same folder in other letters, as Windows would take it.
    fs::path app = fs::path(App("")).parent_path();
    std::string upper = app.filename().string();
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    ASSERT_NE(upper, app.filename().string());
    fs::path other = app.parent_path() / upper;
    fs::create_directories(other);
    Generate((other / "viewer.exe").string());
    EXPECT_TRUE(fs::is_empty(other));
    EXPECT_EQ(Automation::Instance().GetProcesses().size(), 3u);
    fs::remove_all(other);
}

TEST_F(GenerateEXETest, CancellingADialogEndsTheCommandEarly) {
    // Nothing is touched when the project is not saved; a cancelled
    // executable dialog only takes the project copy away again.
    std::ofstream(App("obj/temp.qm$")) << "left from before";
    m_pProject->m_strFileName = "";
    m_pTimer->m_bRunning = true;
    Automation::Instance().QueueFileAnswer(std::nullopt);
    Generate(m_folder.filePath("viewer.exe").toStdString());
    EXPECT_EQ(CallLog(), Texts{"Stop"});
    EXPECT_EQ(Read(App("obj/temp.qm$")), "left from before");

    CallLog().clear();
    Automation::Instance().Clear();
    m_pProject->m_strFileName = m_project;
    Generate(std::nullopt);
    EXPECT_EQ(CallLog(), Texts{"Save(" + m_project + ")"});
    EXPECT_FALSE(fs::exists(App("obj/temp.qm$")));

    EXPECT_TRUE(Automation::Instance().GetProcesses().empty());
    EXPECT_FALSE(fs::exists(App("linkcmd.bat")));
}

} // namespace
