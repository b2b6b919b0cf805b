#pragma once

#include "core/InputSourceWnd.h"
#include "views/OGLWnd.h"
#include "views/SceneView.h"

#include "framework/Pointer.h"

class Player;

// What the four scene views share: the OpenGL set-up of their scene, drawing
// by the shared player after their own view transformation, picking, and the
// passing of their twelve mouse and key messages to the handlers attached to
// them. The views draw nothing themselves.
class SceneViewWnd : public InputSourceWnd<OGLWnd>, public SceneView {
  public:
    Pointer<Instance> Pick(CPoint point) override;

  protected:
    // Handles given out through SceneView and InputEventSource must never
    // destroy the view: its frame deletes it.
    SceneViewWnd();

    // The names the views answer before their own class name, in their order.
    void* FindSceneViewWndInterface(const char* name);

    void InitializeScene() override;
    void DrawScene() override;
    // Multiplies the view's transformation onto the identity model-view
    // matrix. player is empty when none is published.
    virtual void ApplyViewTransformation(Player* player) = 0;
};
