// The scene views on the sample project: one Pick in the Front view, one
// UpdateAllMDIChildWindows with the six authoring windows open at their
// default sizes (four views, the time line and the cast list, each painted
// before the next), and one mouse-move step of the drags that repaint all six:
// an instance moved in the Front view, the Top view panned and zoomed.

#include "app/MainFrame.h"
#include "commands/ViewMenuHandler.h"
#include "core/ModuleExports.h"
#include "core/QuendaInterfaces.h"
#include "views/OGLFrame.h"
#include "views/SceneViewWnd.h"

#include "model/ProjectModel.h"

#include "framework/AppPath.h"
#include "framework/PluginManager.h"
#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"
#include "host/Instance.h"
#include "host/Project.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The sample project beside the application, with the media classes its cast uses.
bool LoadSampleProject() {
    static bool bMediaLoaded =
        GetPluginManager()->LoadLibrary(GetAppPath("../app/Plugins/CorvaneMedia.dll").str());
    Pointer<Project> project = GetSharedObjects()->GetObjectA("Project").As<Project>("Project");
    return bMediaLoaded && project->Load({}, GetAppPath("../app/samples/sample.qmx"));
}

// The host's main window with the six windows opened by the View menu's commands.
class SixWindows {
  public:
    SixWindows() {
        m_model.SetManualTiming(true);
        m_model.Publish(GetSharedObjects());
        m_bLoaded = LoadSampleProject();
        // The views attach the module's drag handlers when they are created.
        m_pInterfaces = new QuendaInterfaces;
        for (const char* handler : {"TransformObjectHandler", "TransformViewHandler"})
            m_pInterfaces->AddClass(RTTIClass::FindClass(handler));
        m_pInterfaces->Initialize();
        m_pMainWnd = new MainFrame;
        m_pMainWnd->CreateMainWindow();
        QApplication::processEvents();
        m_pViewMenu = new ViewMenuHandler;
        for (int cookie = ViewMenuHandler::kCamera; cookie <= ViewMenuHandler::kCastList; ++cookie)
            m_pViewMenu->ExecuteMenuItem(cookie);
        // Mesa compiles its shaders on the first frames.
        for (int i = 0; i < 3; ++i)
            UpdateAllMDIChildWindows();
    }
    ~SixWindows() {
        m_pMainWnd->DestroyWindow();
        m_pInterfaces->Shutdown();
        m_model.Withdraw(GetSharedObjects());
    }

    bool IsLoaded() const { return m_bLoaded; }
    int CountWindows() const { return static_cast<int>(m_pMainWnd->GetChildFrames().size()); }
    SceneViewWnd* GetView(const char* title) const {
        auto* frame = dynamic_cast<OGLFrame*>(m_pMainWnd->FindChildFrame(title));
        return frame ? dynamic_cast<SceneViewWnd*>(frame->GetView()) : nullptr;
    }

  private:
    ProjectModel m_model;
    Pointer<QuendaInterfaces> m_pInterfaces;
    MainFrame* m_pMainWnd; // deletes itself when destroyed
    Pointer<ViewMenuHandler> m_pViewMenu;
    bool m_bLoaded = false;
};

void UpdateSixWindows(benchmark::State& state) {
    SixWindows windows;
    if (!windows.IsLoaded() || windows.CountWindows() != 6) {
        state.SkipWithError("the sample project or its windows could not be opened");
        return;
    }
    for (auto _ : state)
        UpdateAllMDIChildWindows();
}
BENCHMARK(UpdateSixWindows)->Unit(benchmark::kMillisecond);

// A point on an instance: the first found on a coarse grid, else the middle.
CPoint FindInstancePoint(SceneViewWnd* view, const CRect& client) {
    for (int y = 10; y < client.Height(); y += 20)
        for (int x = 10; x < client.Width(); x += 20)
            if (view->Pick(CPoint(x, y)))
                return CPoint(x, y);
    return client.CenterPoint();
}

void PickInFrontView(benchmark::State& state) {
    SixWindows windows;
    SceneViewWnd* view = windows.GetView("Front");
    if (!windows.IsLoaded() || !view) {
        state.SkipWithError("the sample project or its Front view could not be opened");
        return;
    }
    CRect client;
    view->GetClientRect(&client);
    state.counters["client_width"] = client.Width();
    state.counters["client_height"] = client.Height();
    CPoint point = FindInstancePoint(view, client);
    state.counters["hit"] = view->Pick(point) ? 1 : 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(view->Pick(point));
}
BENCHMARK(PickInFrontView)->Unit(benchmark::kMillisecond);

LPARAM PointParam(CPoint point) {
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

// A drag in a view that goes one pixel forth and back along an axis, a step
// at a time: each step is one mouse message that the view hands to the
// handler holding the drag, which repaints all six windows.
void DragSteps(benchmark::State& state, const char* title, bool onInstance, UINT down, UINT up,
               CPoint step) {
    SixWindows windows;
    SceneViewWnd* view = windows.GetView(title);
    if (!windows.IsLoaded() || !view || windows.CountWindows() != 6) {
        state.SkipWithError("the sample project or its windows could not be opened");
        return;
    }
    CRect client;
    view->GetClientRect(&client);
    CPoint start = onInstance ? FindInstancePoint(view, client) : CPoint(5, 5);
    if (onInstance != static_cast<bool>(view->Pick(start))) {
        state.SkipWithError("no place to press found in the view");
        return;
    }
    view->SendMessage(down, 0, PointParam(start));
    if (!view->GetCapturedHandler()) {
        state.SkipWithError("the press started no drag");
        return;
    }
    CPoint points[2] = {start + step, start};
    int next = 0;
    for (auto _ : state) {
        view->SendMessage(WM_MOUSEMOVE, 0, PointParam(points[next]));
        next ^= 1;
    }
    view->SendMessage(up, 0, PointParam(points[next ^ 1]));
}

void DragInstanceInFrontView(benchmark::State& state) {
    DragSteps(state, "Front", true, WM_LBUTTONDOWN, WM_LBUTTONUP, CPoint(1, 0));
}
BENCHMARK(DragInstanceInFrontView)->Unit(benchmark::kMillisecond);

void PanTopView(benchmark::State& state) {
    DragSteps(state, "Top", false, WM_LBUTTONDOWN, WM_LBUTTONUP, CPoint(1, 0));
}
BENCHMARK(PanTopView)->Unit(benchmark::kMillisecond);

void ZoomTopView(benchmark::State& state) {
    DragSteps(state, "Top", false, WM_RBUTTONDOWN, WM_RBUTTONUP, CPoint(0, 1));
}
BENCHMARK(ZoomTopView)->Unit(benchmark::kMillisecond);

} // namespace
