#pragma once

#include "views/OrthographicView.h"

#include "framework/PluginClass.h"

// Looks along -z: screen right is +x, screen up +y. Pans along x and y.
class FrontView : public OrthographicView {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    Float3 GetTranslation() override { return {m_fPanA, m_fPanB, 0.0f}; }
    Float3 GetRotation() override { return {0.0f, 0.0f, 0.0f}; }
    void SetTranslation(Float3 translation) override {
        m_fPanA = translation[0];
        m_fPanB = translation[1];
    }

  protected:
    void ApplyOrientation() override;
};
