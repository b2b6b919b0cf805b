#include "ModelTestSupport.h"

#include "framework/PluginManager.h"
#include "framework/RTTIClass.h"

#include <QGuiApplication>

#include <fstream>
#include <iterator>

// Loads Plugins/CorvaneMedia.dll once, as the host does at start-up.
static void LoadMediaLibrary() {
    static const bool loaded =
        GetPluginManager()->LoadLibrary(CORVANE_APP_DIR "/Plugins/CorvaneMedia.dll");
    ASSERT_TRUE(loaded);
}

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "test_model";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance())
        new QGuiApplication(argc, argv);
}

std::filesystem::path TemporaryFolder::Write(const std::string& name,
                                             const std::string& text) const {
    std::filesystem::path path = m_path / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ModelTest::SetUp() {
    // Message boxes take their default button and are recorded.
    Automation::Instance().Clear();
    Automation::Instance().SetSessionMode(true);
    m_model.SetManualTiming(true);
    m_model.Publish(GetSharedObjects());
    auto* registry = GetSharedObjects();
    m_pPlayer = registry->GetObjectA("Player").As<Player>("Player");
    m_pTimer = registry->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer");
    m_pTimeLine = registry->GetObjectA("Time Line").As<TimeLine>("TimeLine");
    m_pProject = registry->GetObjectA("Project").As<Project>("Project");
    m_pCastList = registry->GetObjectA("Cast List").As<CastList>("CastList");
    TVK::GetDebugger()->ClearLines();
}

void ModelTest::TearDown() {
    m_model.Withdraw(GetSharedObjects());
}

Pointer<Instance> ModelTest::NewInstance(const char* className, const Pointer<CastMember>& member) {
    auto* part =
        static_cast<Instance*>(RTTIClass::FindClass(className)->GetCreateFunction()("Instance"));
    Pointer<Instance> instance(part);
    if (instance && member) {
        instance->SetCastMember(member);
        instance->Initialize();
    }
    return instance;
}

Pointer<CastMember> ModelTest::NewCastMember(const char* className, const std::string& file) {
    auto* part = static_cast<CastMember*>(
        RTTIClass::FindClass(className)->GetCreateFunction()("CastMember"));
    Pointer<CastMember> member(part);
    if (member && !file.empty())
        member->SetFileName(nullptr, String(file));
    return member;
}

Pointer<Instance> ModelTest::Place(const char* className, const Pointer<CastMember>& member,
                                   int row, int start, int stop) {
    Pointer<Instance> instance = NewInstance(className, member);
    m_pTimeLine->AddInstance(instance, row, start, stop);
    int frame = m_pPlayer->GetCurrentFrame();
    instance->PlayerFrameChange(frame, frame);
    return instance;
}

std::string ModelTest::Get(const Pointer<Instance>& instance, const char* name) {
    String value;
    instance.As<HasProperties>("HasProperties")->GetPropertyValue(name, value);
    return value.str();
}

bool ModelTest::Set(const Pointer<Instance>& instance, const char* name, const std::string& value) {
    return instance.As<HasProperties>("HasProperties")->SetPropertyValue(name, String(value));
}

double ModelTest::Number(const Pointer<Instance>& instance, const char* name) {
    return std::stod(Get(instance, name));
}

void MediaModelTest::SetUp() {
    EnsureApplication();
    LoadMediaLibrary();
    ModelTest::SetUp();
}
