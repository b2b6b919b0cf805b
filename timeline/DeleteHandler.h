#pragma once

#include "core/InputEventHandler.h"

#include "framework/BasePlugin.h"
#include "framework/PluginClass.h"

// The Delete key in the time line removes the selected key frame or, when
// none is selected, the selected instance.
class DeleteHandler : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;
    // Every case it does not take stays unhandled, for the next handler.
    bool OnKeyDown(UINT key, InputEventSource* source) override;
    // The time line window only.
    bool AcceptsSource(InputEventSource* source) override;
};
