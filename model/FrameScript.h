#pragma once

#include "model/InstanceBase.h"

#include "framework/PluginClass.h"

// A script on the time line: its "Script" runs when playback reaches its
// frame. It draws nothing.
class FrameScript : public InstanceBase {
  public:
    CORVANE_DECLARE_CLASS();
    FrameScript();

    void* FindInterface(const char* name) override;

    bool AcceptsCastMember(Pointer<CastMember> member) override;
    void Draw(bool) override {}
    bool IsPickable() override { return false; }
};
