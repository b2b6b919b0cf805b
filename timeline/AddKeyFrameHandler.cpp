#include "timeline/AddKeyFrameHandler.h"

#include "core/InputEventSource.h"
#include "timeline/FrameProperty.h"
#include "timeline/TimeLineWindow.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/AllowsKeyFrames.h"
#include "host/Instance.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/TimeLine.h"
#include "platform/Keyboard.h"

CORVANE_REGISTER_CLASS(AddKeyFrameHandler)

void* AddKeyFrameHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
        .Answer("AddKeyFrameHandler", this)
        .Result();
}

bool AddKeyFrameHandler::AcceptsSource(InputEventSource* source) {
    return source->FindInterface("TimeLineWindow") != nullptr;
}

bool AddKeyFrameHandler::OnLButtonDblClk(POINT point, InputEventSource* source) {
    if (!(GetAsyncKeyState(VK_SHIFT) & 0x8000))
        return false;
    // Key frames are not added while the project plays.
    auto timer = GetSharedObjects()->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer");
    if (timer->IsRunning())
        return false;
    Pointer<TimeLineWindow> window(
        static_cast<TimeLineWindow*>(source->FindInterface("TimeLineWindow")));
    int row = 0, frame = 0;
    if (!window->PointToCell(point.x, point.y, row, frame))
        return false;
    auto timeLine = GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
    InstanceList instances = timeLine->GetInstances(row, frame, frame);
    if (instances.empty())
        return false;
    const Pointer<Instance>& target = instances.front();
    // An instance's first and last frames take no key frame.
    int start = ReadFrameProperty(target, "FrameStart");
    int stop = ReadFrameProperty(target, "FrameStop");
    if (frame == start || frame == stop)
        return false;
    auto keyFrames = target.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (!keyFrames)
        return false;
    int relative = frame - start + 1;
    if (Pointer<KeyFrame> existing = keyFrames->GetNextKeyFrame(relative);
        existing && existing->frame == relative)
        return false;
    window->SetSelectedKeyFrame(keyFrames->AddKeyFrame(relative));
    // The frame change redraws the views and the time line.
    GetSharedObjects()->GetObjectA("Player").As<Player>("Player")->SetCurrentFrame(frame);
    return true;
}
