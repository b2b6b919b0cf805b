#include "views/SceneDragHandler.h"

#include "core/InputEventSource.h"
#include "core/ModuleExports.h"
#include "views/SceneView.h"

#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"
#include "host/PlayerTimer.h"
#include "platform/CWnd.h"

#include <cstring>

bool SceneDragHandler::AcceptsSource(InputEventSource* source) {
    return KindOf(source) != kOtherView;
}

bool SceneDragHandler::OnLButtonUp(POINT, InputEventSource* source) {
    EndButton(kLeft, source);
    return false;
}

bool SceneDragHandler::OnRButtonUp(POINT, InputEventSource* source) {
    EndButton(kRight, source);
    return false;
}

SceneDragHandler::ViewKind SceneDragHandler::KindOf(InputEventSource* source) {
    const char* name = source->GetClass()->GetName();
    if (std::strcmp(name, "FrontView") == 0)
        return kFrontView;
    if (std::strcmp(name, "SideView") == 0)
        return kSideView;
    if (std::strcmp(name, "TopView") == 0)
        return kTopView;
    return kOtherView;
}

SceneView* SceneDragHandler::SceneViewOf(InputEventSource* source) {
    return static_cast<SceneView*>(source->FindInterface("SceneView"));
}

bool SceneDragHandler::IsPlaying() {
    Pointer<PlayerTimer> timer =
        GetSharedObjects()->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer");
    return timer && timer->IsRunning();
}

int SceneDragHandler::Pixels(Term term, POINT point) const {
    switch (term) {
    case kRightward:
        return point.x - m_nLastX;
    case kLeftward:
        return m_nLastX - point.x;
    case kDownward:
        return point.y - m_nLastY;
    case kUpward:
        return m_nLastY - point.y;
    case kUnchanged:
        break;
    }
    return 0;
}

void SceneDragHandler::BeginDrag(DWORD button, POINT point, InputEventSource* source) {
    if (auto* window = static_cast<CWnd*>(source->FindInterface("CWnd")))
        window->SetCapture();
    m_dwButtons |= button;
    source->SetEventCapture(Pointer<InputEventHandler>(this));
    m_nLastX = point.x;
    m_nLastY = point.y;
    UpdateAllMDIChildWindows();
}

void SceneDragHandler::EndButton(DWORD button, InputEventSource* source) {
    if (m_dwButtons == 0)
        return;
    m_dwButtons &= ~button;
    if (m_dwButtons == 0) {
        source->ReleaseEventCapture();
        ReleaseCapture();
    }
}
