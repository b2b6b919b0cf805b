#pragma once

#include "views/OrthographicView.h"

#include "framework/PluginClass.h"

// Looks along -x: screen right is -z, screen up +y. Pans along y and z.
class SideView : public OrthographicView {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    Float3 GetTranslation() override { return {0.0f, m_fPanA, m_fPanB}; }
    Float3 GetRotation() override { return {0.0f, 90.0f, 0.0f}; }
    void SetTranslation(Float3 translation) override {
        m_fPanA = translation[1];
        m_fPanB = translation[2];
    }

  protected:
    void ApplyOrientation() override;
};
