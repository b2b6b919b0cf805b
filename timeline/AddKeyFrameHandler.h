#pragma once

#include "core/InputEventHandler.h"

#include "framework/BasePlugin.h"
#include "framework/PluginClass.h"

// Shift+double-click on a cell inside an instance adds a key frame there,
// selects it and moves the play head to it.
class AddKeyFrameHandler : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;
    // Every case it does not take stays unhandled, for the next handler.
    bool OnLButtonDblClk(POINT point, InputEventSource* source) override;
    // The time line window only.
    bool AcceptsSource(InputEventSource* source) override;
};
