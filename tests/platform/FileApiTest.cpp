#include "platform/FileApi.h"
#include "platform/Kernel.h"
#include "platform/RuntimeLibrary.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <dlfcn.h>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class FileApiTest : public testing::Test {
  protected:
    fs::path Path(const char* name) const { return fs::path(m_folder.path().toStdString()) / name; }
    // The Windows spelling of a path in the folder.
    std::string Windows(const char* name) const {
        return m_folder.path().toStdString() + "\\" + name;
    }
    void Write(const char* name, const char* text) { std::ofstream(Path(name)) << text; }

    QTemporaryDir m_folder;
};

TEST_F(FileApiTest, FindingListsMatchingNamesInOrderWithoutRegardToCase) {
    for (const char* name : {"b.dll", "A.DLL", "c.dll.txt", "d.so"})
        Write(name, "");
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(Windows("*.dll").c_str(), &data);
    ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
    do
        found.push_back(data.cFileName);
    while (FindNextFileA(hFind, &data));
    EXPECT_TRUE(FindClose(hFind));
    EXPECT_EQ(found, (std::vector<std::string>{"A.DLL", "b.dll"}));
    EXPECT_EQ(FindFirstFileA(Windows("*.exe").c_str(), &data), INVALID_HANDLE_VALUE);
}

TEST_F(FileApiTest, AModuleIsFoundOnlyOnceSomeoneHasLoadedIt) {
    // A library of the installation that this program does not link.
    std::string library = CORVANE_APP_DIR "/Plugins\\CorvaneMedia.dll";
    std::string native = CORVANE_APP_DIR "/Plugins/CorvaneMedia.dll";
    EXPECT_EQ(GetModuleHandleA(library.c_str()), nullptr);
    EXPECT_EQ(GetModuleHandleA(library.c_str()), nullptr) << "the look-up loaded it";

    void* loaded = dlopen(native.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(loaded, nullptr) << dlerror();
    HMODULE hModule = GetModuleHandleA(library.c_str());
    EXPECT_EQ(static_cast<void*>(hModule), loaded);
    EXPECT_NE(GetProcAddress(hModule, "GetProjectorPluginList"), nullptr);
    EXPECT_EQ(GetProcAddress(hModule, "GetAuthoringPluginList"), nullptr);
    dlclose(loaded);
}

TEST_F(FileApiTest, ChangingTheFolderTakesAWindowsPath) {
    fs::path before = fs::current_path();
    ASSERT_EQ(_chdir(Windows("").c_str()), 0);
    EXPECT_EQ(fs::current_path(), fs::canonical(m_folder.path().toStdString()));
    EXPECT_EQ(_chdir(Windows("missing").c_str()), -1);
    fs::current_path(before);
}

} // namespace
