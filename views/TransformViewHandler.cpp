#include "views/TransformViewHandler.h"

#include "core/ModuleExports.h"
#include "views/SceneView.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/Instance.h"
#include "host/TimeLine.h"

CORVANE_REGISTER_CLASS(TransformViewHandler)

namespace {

// Dragging up enlarges, by this much per pixel.
constexpr float kZoomPerPixel = 0.01f;
// The zoom divides every mouse distance (pan and object translation), so it
// must not reach 0: the smallest zoom is one pixel's step, at which one scene
// unit covers a quarter of a pixel.
constexpr float kMinimumZoom = 0.01f;

} // namespace

void* TransformViewHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
        .Answer("TransformViewHandler", this)
        .Result();
}

bool TransformViewHandler::OnLButtonDown(POINT point, InputEventSource* source) {
    return ButtonDown(kLeft, point, source);
}

bool TransformViewHandler::OnRButtonDown(POINT point, InputEventSource* source) {
    return ButtonDown(kRight, point, source);
}

bool TransformViewHandler::ButtonDown(DWORD button, POINT point, InputEventSource* source) {
    if (IsPlaying())
        return false;
    if (SceneViewOf(source)->Pick(point))
        return false;
    if (Pointer<TimeLine> timeLine =
            GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine"))
        timeLine->SetSelectedInstance({});
    BeginDrag(button, point, source);
    return true;
}

bool TransformViewHandler::OnMouseMove(POINT point, InputEventSource* source) {
    if (m_dwButtons == 0 || m_dwButtons == (kLeft | kRight))
        return false;
    SceneView* view = SceneViewOf(source);
    const float zoom = view->GetScale()[0];
    if (m_dwButtons == kLeft) {
        Pan(point, view, zoom, KindOf(source));
    } else {
        float newZoom = zoom + static_cast<float>(Pixels(kUpward, point)) * kZoomPerPixel;
        if (newZoom < kMinimumZoom)
            newZoom = kMinimumZoom;
        view->SetScale(Float3{newZoom, 0.0f, 0.0f});
    }
    UpdateAllMDIChildWindows();
    m_nLastX = point.x;
    m_nLastY = point.y;
    return true;
}

void TransformViewHandler::Pan(POINT point, SceneView* view, float zoom, ViewKind kind) {
    if (kind == kOtherView)
        return;
    const float divisor = zoom * 25.0f;
    Float3 translation = view->GetTranslation();
    for (int i = 0; i < 3; ++i)
        if (kFollowMouse[kind][i] != kUnchanged)
            translation[i] += static_cast<float>(Pixels(kFollowMouse[kind][i], point)) / divisor;
    view->SetTranslation(translation);
}
