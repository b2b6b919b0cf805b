#pragma once

#include "views/SceneDragHandler.h"

#include "framework/PluginClass.h"

class HasProperties;
class KeyFrame;

// Moves (left button), rotates (right button) and scales (both buttons) the
// instance pressed in the Top, Front or Side view along the view's own axes.
// The change goes into the instance's properties, or into the selected key
// frame's when the time line has one of that instance selected; the instance
// is then brought up to date and every window redrawn.
class TransformObjectHandler : public SceneDragHandler {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    bool OnLButtonDown(POINT point, InputEventSource* source) override;
    bool OnRButtonDown(POINT point, InputEventSource* source) override;
    bool OnMouseMove(POINT point, InputEventSource* source) override;

  private:
    // The properties one button state changes, and how pixels become values.
    enum Group { kTranslate, kRotate, kScale };
    // Per view (Front, Side, Top) and component: one degree per pixel,
    // whatever the zoom.
    static constexpr Term kRotation[3][3] = {
        {kDownward, kRightward, kUnchanged},
        {kUnchanged, kRightward, kUpward},
        {kDownward, kUnchanged, kLeftward},
    };
    // Dragging right or up enlarges, whatever the zoom.
    static constexpr Term kScaling[3][3] = {
        {kRightward, kUpward, kUnchanged},
        {kUnchanged, kUpward, kRightward},
        {kRightward, kUnchanged, kUpward},
    };

    bool ButtonDown(DWORD button, POINT point, InputEventSource* source);
    // The changes of the group's three components for a move to point; a
    // component the view does not change is marked unchanged.
    void ComputeChanges(Group group, ViewKind kind, float zoom, POINT point, float changes[3],
                        bool changed[3]) const;

    // True when the drag edits the selected key frame instead of the instance.
    bool m_bKeyFrameMode = false;
};
