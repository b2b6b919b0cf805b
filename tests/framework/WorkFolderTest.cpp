#include "framework/WorkFolder.h"
#include "framework/AppPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(WorkFolderTest, IsTheApplicationFolderWhenTheUserMayWriteThere) {
    EXPECT_EQ(WorkFolder::GetPath("obj/temp.qm$").str(), GetAppPath("obj/temp.qm$").str());
}

TEST(WorkFolderTest, MirrorsTheApplicationFolderAndKeepsWhatIsWrittenInIt) {
    const fs::path root = fs::temp_directory_path() / "corvane-work-folder-test";
    fs::remove_all(root);
    const fs::path app = root / "app", work = root / "work";
    for (const char* folder : {"app/tools", "app/obj", "other/tools", "work"})
        fs::create_directories(root / folder);
    for (const char* file : {"app/Nimbrel.dll", "app/obj/Viewer.rc", "app/obj/Viewer.obj",
                             "app/obj/Viewer.res", "app/linkcmd.bat"})
        std::ofstream(root / file) << file;
    fs::create_symlink(root / "other/tools", work / "tools"); // from another installation

    ASSERT_TRUE(WorkFolder::Mirror(app.string() + "/", work.string() + "/"));
    for (const char* linked : {"tools", "Nimbrel.dll", "obj/Viewer.rc", "obj/Viewer.obj"})
        EXPECT_EQ(fs::read_symlink(work / linked), app / linked) << linked;
    EXPECT_FALSE(fs::is_symlink(work / "obj"));
    // What the tool writes is never a link into the application folder.
    EXPECT_FALSE(fs::exists(fs::symlink_status(work / "obj/Viewer.res")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(work / "linkcmd.bat")));

    std::ofstream(work / "obj/temp.qm$") << "project";
    ASSERT_TRUE(WorkFolder::Mirror(app.string() + "/", work.string() + "/"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(work / "obj/temp.qm$")));
    EXPECT_FALSE(fs::exists(app / "obj/temp.qm$"));
    fs::remove_all(root);
}

} // namespace
