#pragma once

#include "views/OrthographicView.h"

#include "framework/PluginClass.h"

// Looks along -y: screen right is +x, screen up -z. Pans along x and z.
class TopView : public OrthographicView {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    Float3 GetTranslation() override { return {m_fPanA, 0.0f, m_fPanB}; }
    Float3 GetRotation() override { return {90.0f, 0.0f, 0.0f}; }
    void SetTranslation(Float3 translation) override {
        m_fPanA = translation[0];
        m_fPanB = translation[2];
    }

  protected:
    void ApplyOrientation() override;
};
