#pragma once

#include "model/CastMemberBase.h"

#include "framework/PluginClass.h"

// The cast member of a light: no file, nothing to load.
class LightCM : public CastMemberBase {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    String GetName() override { return "Light"; }
    StringList GetFileTypes() override { return {}; }
    bool Load() override { return true; }
    void DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) override;
};
