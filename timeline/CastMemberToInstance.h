#pragma once

#include "core/InputEventHandler.h"

#include "framework/BasePlugin.h"
#include "framework/PluginClass.h"
#include "framework/Pointer.h"

class Instance;

// Drag and drop from the cast list onto the time line. While no drag runs it
// marks the cast member under the mouse; a press on one makes an instance for
// it, the drag previews the 11 frames it would take on the time line, and the
// release there places it. A release anywhere else discards the instance.
class CastMemberToInstance : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    bool OnMouseMove(POINT point, InputEventSource* source) override;
    bool OnLButtonDown(POINT point, InputEventSource* source) override;
    bool OnLButtonUp(POINT point, InputEventSource* source) override;
    bool AcceptsSource(InputEventSource* source) override;

  private:
    void PreviewDropPlace(POINT point, InputEventSource* source);

    bool m_bDragging = false;
    bool m_bOverTimeLine = false;
    int m_nDropRow = 0;
    int m_nDropFrame = 0;
    Pointer<Instance> m_pInstance;
};
