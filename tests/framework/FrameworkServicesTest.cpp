#include "framework/AppPath.h"
#include "framework/Debugger.h"
#include "framework/DiskFile.h"
#include "framework/Exception.h"
#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

int s_nDestroyed = 0;

class Service : public SharedObject {
  public:
    explicit Service(const char* name) : m_strName(name) {}
    ~Service() override { ++s_nDestroyed; }
    String GetSharedName() override { return m_strName; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

  private:
    String m_strName;
};

TEST(PointerTest, CountsReferencesDestroysWithTheLastOneAndAsksForOtherInterfaces) {
    s_nDestroyed = 0;
    Pointer<SharedObject> a(new Service("A"));
    EXPECT_EQ(a->GetRefCount(), 1);
    {
        Pointer<SharedObject> b = a;
        Pointer<SharedObject> c(a.Get()); // wrapping a raw pointer adds a reference too
        EXPECT_EQ(a->GetRefCount(), 3);
        Pointer<SharedObject> d = std::move(c);
        EXPECT_FALSE(c);
        EXPECT_EQ(a->GetRefCount(), 3);
    }
    EXPECT_TRUE(a.As<SharedObject>("SharedObject"));
    EXPECT_FALSE(a.As<SharedObject>("Nothing"));
    EXPECT_EQ(a->GetRefCount(), 1);
    a = Pointer<SharedObject>(new Service("B"));
    EXPECT_EQ(s_nDestroyed, 1);
    a.Reset();
    EXPECT_EQ(s_nDestroyed, 2);
    EXPECT_FALSE(a.As<SharedObject>("SharedObject"));
}

TEST(SharedObjectsTest, FindsTheLatestByExactDisplayNameUntilWithdrawn) {
    SharedObjects registry;
    Pointer<SharedObject> menu(new Service("Menu Manager"));
    registry.AddObject(menu);
    registry.AddObject(Pointer<SharedObject>(new Service("Player")));
    Pointer<SharedObject> later(new Service("Menu Manager"));
    registry.AddObject(later);
    EXPECT_EQ(registry.GetObjectA("Menu Manager"), later);
    registry.RemoveObject(later);
    EXPECT_EQ(registry.GetObjectA("Menu Manager"), menu);
    EXPECT_FALSE(registry.GetObjectA("MenuManager"));
    EXPECT_FALSE(registry.GetObjectA("menu manager"));
    registry.RemoveObject(menu);
    EXPECT_FALSE(registry.GetObjectA("Menu Manager"));
    EXPECT_TRUE(registry.GetObjectA("Player"));
    EXPECT_EQ(menu->GetRefCount(), 1);
}

TEST(RTTIClassTest, RegistryKeepsOrderAcrossUnregistrationAndTheFirstOfTwoNames) {
    const auto create = +[](const char*) -> void* { return nullptr; };
    const auto supports = +[](const char*) { return false; };
    auto names = [] {
        std::vector<std::string> result;
        for (const RTTIClass* record : RTTIClass::GetRegisteredClasses())
            if (record->GetName().str().rfind("Order", 0) == 0)
                result.push_back(record->GetName().str());
        return result;
    };
    auto a = std::make_unique<RTTIClass>("OrderA", create, supports);
    auto b = std::make_unique<RTTIClass>("OrderB", create, supports);
    auto c = std::make_unique<RTTIClass>("OrderC", create, supports);
    b.reset();
    auto d = std::make_unique<RTTIClass>("OrderD", create, supports);
    EXPECT_EQ(names(), (std::vector<std::string>{"OrderA", "OrderC", "OrderD"}));
    RTTIClass first("Twice", create, supports);
    size_t lines = TVK::GetDebugger()->GetLines().size();
    RTTIClass second("Twice", create, supports);
    EXPECT_EQ(RTTIClass::FindClass("Twice"), &first);
    ASSERT_EQ(TVK::GetDebugger()->GetLines().size(), lines + 1);
    EXPECT_NE(TVK::GetDebugger()->GetLines().back().find("Twice"), std::string::npos);
}

TEST(DebuggerTest, KeepsEachLineAndMarksErrors) {
    Pointer<Debugger> debugger = TVK::GetDebugger();
    debugger->ClearLines();
    debugger->Print("plain %d\n", 1);
    debugger->PrintError("two\nlines\n");
    debugger->Print("no line feed");
    EXPECT_EQ(debugger->GetLines(),
              (std::vector<std::string>{"plain 1", "Error: two", "Error: lines", "no line feed"}));
    EXPECT_EQ(TVK::GetDebugger().Get(), debugger.Get());
}

TEST(DiskFileTest, WritesReadsAndAcceptsBackslashPaths) {
    auto folder = std::filesystem::temp_directory_path() / "corvane-diskfile-test";
    std::filesystem::create_directories(folder);
    std::string windowsStyle = folder.string() + "\\data.bin";
    Pointer<DiskFile> file(new DiskFile);
    ASSERT_TRUE(file->Open(windowsStyle.c_str(), "wb"));
    EXPECT_EQ(file->Write("abcdef", 2, 3), 3u);
    file->Close();
    EXPECT_EQ(std::filesystem::file_size(folder / "data.bin"), 6u);
    ASSERT_TRUE(file->Open((folder / "data.bin").c_str(), "rb"));
    char text[7] = {};
    EXPECT_EQ(file->Read(text, 1, 6), 6u);
    EXPECT_STREQ(text, "abcdef");
    EXPECT_FALSE(file->Open((folder / "missing" / "x").c_str(), "rb"));
    EXPECT_EQ(file->Write("x", 1, 1), 0u);
    std::filesystem::remove_all(folder);
}

TEST(AppPathTest, IsTheExecutablesFolderWithATrailingSlash) {
    std::string folder = GetAppPath().str();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "test_framework"));
    EXPECT_EQ(GetAppPath("Plugins/x.dll").str(), folder + "Plugins/x.dll");
}

} // namespace
