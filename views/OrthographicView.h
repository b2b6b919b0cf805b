#pragma once

#include "views/SceneViewWnd.h"

// A view along one world axis with its own pan and zoom: the scene is
// translated by the pan, rotated to face the view, then scaled by the zoom.
// At zoom 1 one scene unit covers 25 pixels.
class OrthographicView : public SceneViewWnd {
  public:
    Float3 GetScale() override { return {m_fZoom, m_fZoom, m_fZoom}; }
    void SetRotation(Float3) override {}
    void SetScale(Float3 scale) override { m_fZoom = scale[0]; }

  protected:
    void ResizeScene(int cx, int cy) override { SetOrtho(cx, cy); }
    void ApplyViewTransformation(Player* player) override;
    // The rotation that faces the view's axis, then the translation by the pan.
    virtual void ApplyOrientation() = 0;

    // Offsets of the scene along the two world axes the view shows.
    float m_fPanA = 0.0f;
    float m_fPanB = 0.0f;
    float m_fZoom = 1.0f;
};
