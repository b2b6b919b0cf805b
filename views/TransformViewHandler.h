#pragma once

#include "views/SceneDragHandler.h"

#include "framework/PluginClass.h"

// Pans (left button) and zooms (right button) the Top, Front and Side views
// by dragging on empty space; a press on an instance is left to the object
// handler. Only the view's own translation and scale change, never the
// project.
class TransformViewHandler : public SceneDragHandler {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    bool OnLButtonDown(POINT point, InputEventSource* source) override;
    bool OnRButtonDown(POINT point, InputEventSource* source) override;
    bool OnMouseMove(POINT point, InputEventSource* source) override;

  private:
    bool ButtonDown(DWORD button, POINT point, InputEventSource* source);
    void Pan(POINT point, SceneView* view, float zoom, ViewKind kind);
};
