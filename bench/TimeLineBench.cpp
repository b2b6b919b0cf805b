// Redraw of a 1,000 x 400 time line window on a project of 10,000 instances:
// only the visible rows and frames may cost anything. And one mouse-move step
// of an instance drag there, which moves the instance and redraws the time
// line alone.

#include "core/QuendaInterfaces.h"
#include "timeline/MoveInstances.h"
#include "timeline/TimeLineFrame.h"

#include "model/ProjectModel.h"

#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"
#include "host/AllowsKeyFrames.h"
#include "host/Instance.h"
#include "host/TimeLine.h"
#include "platform/CMDIFrameWnd.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

constexpr int kInstances = 10000;
constexpr int kRows = 100;
constexpr int kLength = 10; // frames per instance, end to end along each row

// Instances of the model's own class, each with two key frames, filling rows
// 1 to 100 from frame 1 to 1,000.
void FillProject() {
    Pointer<TimeLine> timeLine =
        GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
    const RTTIClass* actor = RTTIClass::FindClass("Actor");
    for (int i = 0; i < kInstances; ++i) {
        Pointer<Instance> instance(static_cast<Instance*>(actor->GetCreateFunction()("Instance")));
        instance->Initialize();
        const int row = i % kRows + 1;
        const int start = i / kRows * kLength + 1;
        timeLine->AddInstance(instance, row, start, start + kLength - 1);
        if (auto keyFrames = instance.As<AllowsKeyFrames>("AllowsKeyFrames")) {
            keyFrames->AddKeyFrame(3);
            keyFrames->AddKeyFrame(6);
        }
        if (i == kInstances / 2)
            timeLine->SetSelectedInstance(instance);
    }
}

void SetClientSize(CWnd* window, int width, int height) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        CRect client, outer;
        window->GetClientRect(&client);
        window->GetWindowRect(&outer);
        window->GetParent()->ScreenToClient(&outer);
        window->MoveWindow(outer.left, outer.top, outer.Width() + width - client.Width(),
                           outer.Height() + height - client.Height());
    }
}

// A main window holding a time line window of 1,000 x 400 client pixels;
// frame is the time line window's owner pointer. Destroying the main window
// closes both.
CMDIFrameWnd* OpenTimeLine(TimeLineFrame*& frame) {
    auto* mainWnd = new CMDIFrameWnd;
    mainWnd->LoadFrame(100);
    mainWnd->MoveWindow(0, 0, 1400, 1000);
    mainWnd->ShowWindow(SW_SHOW);
    frame = new TimeLineFrame(&frame);
    frame->LoadFrame(105, 0x06FF0000, mainWnd);
    frame->SetTitle("Time Line");
    frame->ShowWindow(SW_RESTORE);
    SetClientSize(frame, 1000, 400);
    return mainWnd;
}

void TimeLineRedraw(benchmark::State& state) {
    ProjectModel model;
    model.Publish(GetSharedObjects());
    FillProject();

    TimeLineFrame* frame = nullptr;
    CMDIFrameWnd* mainWnd = OpenTimeLine(frame);
    CRect client;
    frame->GetClientRect(&client);
    state.counters["client_width"] = client.Width();
    state.counters["client_height"] = client.Height();

    for (auto _ : state)
        frame->Redraw();

    mainWnd->DestroyWindow();
    model.Withdraw(GetSharedObjects());
}
BENCHMARK(TimeLineRedraw)->Unit(benchmark::kMillisecond);

void SendMouse(QWidget* widget, QEvent::Type type, int frame) {
    // Row 1, in the middle of the frame's cell.
    const QPointF at(30 + (frame - 1) * 12 + 6, 29);
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void InstanceDragStep(benchmark::State& state) {
    ProjectModel model;
    model.Publish(GetSharedObjects());
    FillProject();
    Pointer<TimeLine> timeLine =
        GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
    // Room for the instance over frames 41 to 50 of row 1 to move right.
    timeLine->RemoveInstance(timeLine->GetInstances(1, 51, 51).front(), 0);
    QuendaInterfaces interfaces;
    interfaces.AddClass(MoveInstances::s_classRecord.Get());
    interfaces.Initialize();

    TimeLineFrame* frame = nullptr;
    CMDIFrameWnd* mainWnd = OpenTimeLine(frame);
    QWidget* widget = frame->GetWidget();

    SendMouse(widget, QEvent::MouseButtonPress, 45);
    int step = 0;
    for (auto _ : state)
        SendMouse(widget, QEvent::MouseMove, 45 + (++step & 1));
    SendMouse(widget, QEvent::MouseButtonRelease, 45);

    mainWnd->DestroyWindow();
    interfaces.Shutdown();
    model.Withdraw(GetSharedObjects());
}
BENCHMARK(InstanceDragStep)->Unit(benchmark::kMillisecond);

} // namespace
