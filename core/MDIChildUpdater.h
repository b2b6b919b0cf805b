#pragma once

#include "framework/BasePlugin.h"
#include "framework/PluginClass.h"
#include "host/NotifyFrameChange.h"

// Repaints every authoring window when the current frame changes.
class MDIChildUpdater : public BasePlugin, public NotifyFrameChange {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;
    // Both arguments are the host's; every window is repainted whatever they are.
    void OnFrameChange(int newFrame, int oldFrame) override;
};
