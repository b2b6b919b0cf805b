#include "views/TransformObjectHandler.h"

#include "core/ModuleExports.h"
#include "timeline/TimeLineWindow.h"
#include "views/SceneView.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/AllowsKeyFrames.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/Player.h"
#include "host/TimeLine.h"

#include <charconv>
#include <cmath>

CORVANE_REGISTER_CLASS(TransformObjectHandler)

namespace {

const char* const kNames[3][3] = {
    {"TranslateX", "TranslateY", "TranslateZ"},
    {"RotationX", "RotationY", "RotationZ"},
    {"ScaleX", "ScaleY", "ScaleZ"},
};

constexpr float kScalePerPixel = 0.04f;

// Properties are decimal text. Both conversions ignore the locale, which the
// window system may have set to one with a decimal comma; text that is no
// finite number counts as 0.
float ReadNumber(HasProperties& holder, const char* name) {
    String text;
    holder.GetPropertyValue(name, text);
    const char* begin = text.c_str();
    const char* end = begin + text.GetLength();
    while (begin < end && (*begin == ' ' || (*begin >= '\t' && *begin <= '\r')))
        ++begin;
    if (begin < end && *begin == '+')
        ++begin;
    double value = 0;
    auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0f;
    return static_cast<float>(value);
}

// "%f": six decimals.
void WriteNumber(HasProperties& holder, const char* name, float value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                std::chars_format::fixed, 6);
    holder.SetPropertyValue(name, String(std::string(buffer, result.ptr)));
}

// Reads the group's three components, adds (or, with sign -1, subtracts) the
// changes of the changed ones and writes all three back in the order X, Y, Z.
void ChangeGroup(HasProperties& holder, const char* const names[3], const float changes[3],
                 const bool changed[3], float sign) {
    float values[3];
    for (int i = 0; i < 3; ++i)
        values[i] = ReadNumber(holder, names[i]);
    for (int i = 0; i < 3; ++i)
        if (changed[i])
            values[i] = sign > 0 ? values[i] + changes[i] : values[i] - changes[i];
    for (int i = 0; i < 3; ++i)
        WriteNumber(holder, names[i], values[i]);
}

Pointer<TimeLine> GetTimeLine() {
    return GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
}

// Empty while the time line window is closed or has no key frame selected.
Pointer<KeyFrame> GetSelectedKeyFrame() {
    Pointer<TimeLineWindow> window =
        GetSharedObjects()->GetObjectA("Time Line Window").As<TimeLineWindow>("TimeLineWindow");
    return window ? window->GetSelectedKeyFrame() : Pointer<KeyFrame>();
}

} // namespace

void* TransformObjectHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
        .Answer("TransformObjectHandler", this)
        .Result();
}

bool TransformObjectHandler::OnLButtonDown(POINT point, InputEventSource* source) {
    return ButtonDown(kLeft, point, source);
}

bool TransformObjectHandler::OnRButtonDown(POINT point, InputEventSource* source) {
    return ButtonDown(kRight, point, source);
}

bool TransformObjectHandler::ButtonDown(DWORD button, POINT point, InputEventSource* source) {
    if (IsPlaying())
        return false;
    Pointer<Instance> instance = SceneViewOf(source)->Pick(point);
    if (!instance)
        return false;
    if (Pointer<TimeLine> timeLine = GetTimeLine())
        timeLine->SetSelectedInstance(instance);

    // The drag edits the selected key frame only when it is one of this
    // instance's: the instance's first key frame from its frame on is it.
    m_bKeyFrameMode = false;
    if (auto keyFrames = instance.As<AllowsKeyFrames>("AllowsKeyFrames"))
        if (Pointer<KeyFrame> selected = GetSelectedKeyFrame())
            m_bKeyFrameMode = keyFrames->GetNextKeyFrame(selected->frame) == selected;

    BeginDrag(button, point, source);
    return true;
}

bool TransformObjectHandler::OnMouseMove(POINT point, InputEventSource* source) {
    if (m_dwButtons == 0)
        return false;
    Pointer<TimeLine> timeLine = GetTimeLine();
    Pointer<Instance> instance = timeLine ? timeLine->GetSelectedInstance() : Pointer<Instance>();
    SceneView* view = SceneViewOf(source);
    Pointer<Player> player = GetSharedObjects()->GetObjectA("Player").As<Player>("Player");

    // The key frame after the edited one takes the opposite change, so that
    // the key frames after it keep their place.
    Pointer<HasProperties> primary, secondary;
    if (instance && m_bKeyFrameMode) {
        if (Pointer<KeyFrame> selected = GetSelectedKeyFrame()) {
            primary = selected.As<HasProperties>("HasProperties");
            if (auto keyFrames = instance.As<AllowsKeyFrames>("AllowsKeyFrames"))
                secondary = keyFrames->GetNextKeyFrame(selected->frame + 1)
                                .As<HasProperties>("HasProperties");
        }
    } else if (instance) {
        primary = instance.As<HasProperties>("HasProperties");
    }

    const ViewKind kind = KindOf(source);
    if (primary && kind != kOtherView) {
        const Group group = m_dwButtons == kLeft    ? kTranslate
                            : m_dwButtons == kRight ? kRotate
                                                    : kScale;
        float changes[3];
        bool changed[3];
        ComputeChanges(group, kind, view->GetScale()[0], point, changes, changed);
        ChangeGroup(*primary, kNames[group], changes, changed, 1.0f);
        if (secondary && group != kScale)
            ChangeGroup(*secondary, kNames[group], changes, changed, -1.0f);
    }

    if (instance && player) {
        const int frame = player->GetCurrentFrame();
        instance->PlayerFrameChange(frame, frame);
    }
    UpdateAllMDIChildWindows();
    m_nLastX = point.x;
    m_nLastY = point.y;
    return true;
}

void TransformObjectHandler::ComputeChanges(Group group, ViewKind kind, float zoom, POINT point,
                                            float changes[3], bool changed[3]) const {
    // Scene units per pixel: 25 pixels cover one unit at zoom 1.
    const float divisor = zoom * 25.0f;
    for (int i = 0; i < 3; ++i) {
        const Term term = group == kTranslate ? kFollowMouse[kind][i]
                          : group == kRotate  ? kRotation[kind][i]
                                              : kScaling[kind][i];
        const float pixels = static_cast<float>(Pixels(term, point));
        changed[i] = term != kUnchanged;
        changes[i] = group == kTranslate ? pixels / divisor
                     : group == kRotate  ? pixels
                                         : pixels * kScalePerPixel;
    }
}
