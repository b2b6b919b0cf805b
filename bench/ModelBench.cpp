// Benchmarks of the project model: time line queries on a long row, loading
// and saving a large project, drawing many meshes with OSMesa, and the undo
// history's work on a large project.
#include "model/ProjectModel.h"

#include "app/UndoController.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastList.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/Player.h"
#include "host/Project.h"
#include "host/TimeLine.h"

#include "framework/AppPath.h"
#include "framework/PluginManager.h"
#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"
#include "platform/Automation.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gl/Wgl.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include <unistd.h>

namespace {

const char* const kCube = "v -0.5 -0.5 -0.5\nv 0.5 -0.5 -0.5\nv 0.5 0.5 -0.5\nv -0.5 0.5 -0.5\n"
                          "v -0.5 -0.5 0.5\nv 0.5 -0.5 0.5\nv 0.5 0.5 0.5\nv -0.5 0.5 0.5\n"
                          "f 1 4 3 2\nf 5 6 7 8\nf 1 2 6 5\nf 4 8 7 3\nf 1 5 8 4\nf 2 3 7 6\n";

template <class T> Pointer<T> Create(const char* className, const char* interfaceName) {
    return Pointer<T>(
        static_cast<T*>(RTTIClass::FindClass(className)->GetCreateFunction()(interfaceName)));
}

// A published model with the media library loaded, as the host has it.
struct Session {
    Session() {
        // Benchmarks run from build/bench, beside the installation in build/app.
        GetPluginManager()->LoadLibrary(GetAppPath("../app/Plugins/CorvaneMedia.dll").str());
        Automation::Instance().SetSessionMode(true);
        model.SetManualTiming(true);
        model.Publish(GetSharedObjects());
        player = GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
        timeLine = GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
        project = GetSharedObjects()->GetObjectA("Project").As<Project>("Project");
        castList = GetSharedObjects()->GetObjectA("Cast List").As<CastList>("CastList");
        // Per process: others may run the same benchmarks at the same time.
        folder = std::filesystem::temp_directory_path() /
                 ("corvane-model-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "cube.obj") << kCube;
    }
    ~Session() {
        model.Withdraw(GetSharedObjects());
        std::filesystem::remove_all(folder);
    }

    Pointer<CastMember> Cube() {
        auto cube = Create<CastMember>("MeshCM", "CastMember");
        cube->SetFileName(nullptr, String((folder / "cube.obj").string()));
        cube->Load();
        return cube;
    }

    // count actors showing a cube, each with two key frames, in rows of 100.
    void AddActors(int count, const Pointer<CastMember>& cube) {
        for (int i = 0; i < count; ++i) {
            auto actor = Create<Instance>("Actor", "Instance");
            actor->SetCastMember(cube);
            actor->Initialize();
            auto properties = actor.As<HasProperties>("HasProperties");
            properties->SetPropertyValue("TranslateX", String(std::to_string((i % 40) * 0.5 - 10)));
            properties->SetPropertyValue("TranslateY",
                                         String(std::to_string((i / 40 % 25) * 0.6 - 7)));
            properties->SetPropertyValue("ScaleX", "0.4");
            properties->SetPropertyValue("ScaleY", "0.4");
            properties->SetPropertyValue("ScaleZ", "0.4");
            auto keyFrames = actor.As<AllowsKeyFrames>("AllowsKeyFrames");
            keyFrames->AddKeyFrame(20)
                .As<HasProperties>("HasProperties")
                ->SetPropertyValue("RotationY", "90");
            keyFrames->AddKeyFrame(40)
                .As<HasProperties>("HasProperties")
                ->SetPropertyValue("Red", "-0.5");
            timeLine->AddInstance(actor, 1 + i / 100, 1, 60);
        }
    }

    ProjectModel model;
    Pointer<Player> player;
    Pointer<TimeLine> timeLine;
    Pointer<Project> project;
    Pointer<CastList> castList;
    std::filesystem::path folder;
};

void GetInstancesOnARowOf100000(benchmark::State& state) {
    Session session;
    for (int i = 0; i < 100000; ++i) {
        auto script = Create<Instance>("FrameScript", "Instance");
        session.timeLine->AddInstance(script, 1, i * 10 + 1, i * 10 + 10);
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> first(1, 1000000);
    size_t found = 0;
    for (auto _ : state) {
        int from = first(random);
        found += session.timeLine->GetInstances(1, from, from + 49).size();
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(GetInstancesOnARowOf100000)->Unit(benchmark::kMicrosecond);

void SaveAProjectOf10000Instances(benchmark::State& state) {
    Session session;
    auto cube = session.Cube();
    session.castList->AddCastMember(cube);
    session.AddActors(10000, cube);
    session.player->SetCurrentFrame(30);
    String path((session.folder / "large.qmx").string());
    for (auto _ : state)
        session.project->Save(nullptr, path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path.str()));
}
BENCHMARK(SaveAProjectOf10000Instances)->Unit(benchmark::kMillisecond);

void LoadAProjectOf10000Instances(benchmark::State& state) {
    Session session;
    auto cube = session.Cube();
    session.castList->AddCastMember(cube);
    session.AddActors(10000, cube);
    String path((session.folder / "large.qmx").string());
    session.project->Save(nullptr, path);
    for (auto _ : state)
        session.project->Load(nullptr, path);
}
BENCHMARK(LoadAProjectOf10000Instances)->Unit(benchmark::kMillisecond);

// What the title, Exit and the recovery timer pay to learn whether there are
// unsaved changes.
void IsModifiedOnAProjectOf10000Instances(benchmark::State& state) {
    Session session;
    auto cube = session.Cube();
    session.castList->AddCastMember(cube);
    session.AddActors(10000, cube);
    session.project->Save(nullptr, String((session.folder / "large.qmx").string()));
    for (auto _ : state)
        benchmark::DoNotOptimize(session.model.IsModified());
}
BENCHMARK(IsModifiedOnAProjectOf10000Instances)->Unit(benchmark::kMillisecond);

void DrawOf1000MeshesAt640x480(benchmark::State& state) {
    Session session;
    session.AddActors(1000, session.Cube());
    session.player->SetCurrentFrame(30);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 640, 480);
    CBitmap* old = dc.SelectObject(&bitmap);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL;
    format.cColorBits = 32;
    format.cDepthBits = 24;
    SetPixelFormat(&dc, ChoosePixelFormat(&dc, &format), &format);
    HGLRC context = wglCreateContext(&dc);
    wglMakeCurrent(&dc, context);
    glViewport(0, 0, 640, 480);
    glEnable(GL_DEPTH_TEST);
    auto draw = [&] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 640.0 / 480.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslated(0, 0, -10);
        session.player->Draw(false);
        glFinish();
    };
    for (int warmUp = 0; warmUp < 5; ++warmUp)
        draw(); // Mesa compiles its shaders for the first frames
    for (auto _ : state)
        draw();
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context);
    dc.SelectObject(old);
}
BENCHMARK(DrawOf1000MeshesAt640x480)->Unit(benchmark::kMillisecond);

// The 10,000 instances of the load and save benchmarks under the undo
// history, and one property of the first changed as a drag step changes it.
struct LargeUndoSession : Session {
    LargeUndoSession() {
        auto cube = Cube();
        castList->AddCastMember(cube);
        AddActors(10000, cube);
        first = timeLine->GetInstances(1, 1, 1)[0].As<HasProperties>("HasProperties");
        undo = std::make_unique<UndoController>(model);
    }
    // One gesture: the change, then the step recorded at its end.
    void Drag() {
        undo->BeginGesture("Move");
        first->SetPropertyValue("TranslateX", String(std::to_string(++step)));
        undo->EndGesture();
        undo->Flush();
    }

    Pointer<HasProperties> first;
    std::unique_ptr<UndoController> undo;
    int step = 0;
};

void UndoRecordOfOneGestureOn10000Instances(benchmark::State& state) {
    LargeUndoSession session;
    for (auto _ : state)
        session.Drag();
    const UndoHistory& history = session.undo->GetHistory();
    state.counters["steps"] = static_cast<double>(history.GetStepCount());
    state.counters["bytes/step"] =
        static_cast<double>(history.GetStepBytes()) / static_cast<double>(history.GetStepCount());
}
BENCHMARK(UndoRecordOfOneGestureOn10000Instances)->Unit(benchmark::kMillisecond);

// Each iteration is one undo and one redo of the same step.
void UndoAndRedoOfOneStepOn10000Instances(benchmark::State& state) {
    LargeUndoSession session;
    session.Drag();
    for (auto _ : state) {
        session.undo->Undo();
        session.undo->Redo();
    }
}
BENCHMARK(UndoAndRedoOfOneStepOn10000Instances)->Unit(benchmark::kMillisecond);

} // namespace
