#pragma once

#include "model/CastMemberBase.h"

#include "framework/PluginClass.h"

// The cast member of a frame script, which shows nothing.
class DummyCM : public CastMemberBase {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    String GetName() override { return "Frame Script"; }
    StringList GetFileTypes() override { return {}; }
    bool Load() override { return true; }
    void DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) override;
};
