#pragma once

#include "views/SceneViewWnd.h"

#include "framework/PluginClass.h"

// The scene through the project's own camera, in perspective. It has no pan
// or zoom of its own: its transformation reads as zeros and cannot be set.
class CameraView : public SceneViewWnd {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    Float3 GetTranslation() override { return {}; }
    Float3 GetRotation() override { return {}; }
    Float3 GetScale() override { return {}; }
    void SetTranslation(Float3) override {}
    void SetRotation(Float3) override {}
    void SetScale(Float3) override {}

  protected:
    void ResizeScene(int cx, int cy) override { SetPerspective(cx, cy); }
    void ApplyViewTransformation(Player* player) override;
};
