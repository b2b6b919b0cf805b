#include "timeline/DeleteHandler.h"

#include "core/InputEventSource.h"
#include "core/ModuleExports.h"
#include "timeline/TimeLineWindow.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"
#include "host/AllowsKeyFrames.h"
#include "host/Instance.h"
#include "host/Player.h"
#include "host/PropertyHolderForKeyFrame.h"
#include "host/TimeLine.h"

CORVANE_REGISTER_CLASS(DeleteHandler)

namespace {
// The key frame after a removed one takes over its changes, holder by holder
// of the same class, so that every later key frame keeps its place.
void HandOnChanges(const Pointer<KeyFrame>& removed, const Pointer<KeyFrame>& next) {
    for (const auto& holder : removed->holders) {
        if (!holder.As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame"))
            continue;
        for (const auto& nextHolder : next->holders) {
            auto follower = nextHolder.As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame");
            if (follower && nextHolder->GetClass() == holder->GetClass())
                follower->OnPreviousRemoved(holder);
        }
    }
}
} // namespace

void* DeleteHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
        .Answer("DeleteHandler", this)
        .Result();
}

bool DeleteHandler::AcceptsSource(InputEventSource* source) {
    return source->FindInterface("TimeLineWindow") != nullptr;
}

bool DeleteHandler::OnKeyDown(UINT key, InputEventSource* source) {
    if (key != VK_DELETE)
        return false;
    Pointer<TimeLineWindow> window(
        static_cast<TimeLineWindow*>(source->FindInterface("TimeLineWindow")));
    auto timeLine = GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
    Pointer<Instance> instance = timeLine->GetSelectedInstance();
    if (!instance)
        return false;
    Pointer<KeyFrame> keyFrame = window->GetSelectedKeyFrame();
    if (!keyFrame) {
        timeLine->SetSelectedInstance(Pointer<Instance>());
        timeLine->RemoveInstance(instance, 0);
        UpdateAllMDIChildWindows();
        return true;
    }
    auto keyFrames = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (!keyFrames)
        return false;
    if (Pointer<KeyFrame> next = keyFrames->GetNextKeyFrame(keyFrame->frame + 1))
        HandOnChanges(keyFrame, next);
    window->SetSelectedKeyFrame(Pointer<KeyFrame>());
    // Nothing ties the selected key frame to the selected instance: the key
    // frame at its frame is removed from the selected instance.
    keyFrames->RemoveKeyFrame(keyFrame->frame);
    int current = GetSharedObjects()->GetObjectA("Player").As<Player>("Player")->GetCurrentFrame();
    instance->PlayerFrameChange(current, current);
    UpdateAllMDIChildWindows();
    return true;
}
