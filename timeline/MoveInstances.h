#pragma once

#include "core/InputEventHandler.h"

#include "framework/BasePlugin.h"
#include "framework/PluginClass.h"
#include "framework/Pointer.h"
#include "host/KeyFrame.h"

#include <cstdint>

// Makes the time line editable with the mouse. A press on an instance selects
// it and starts a drag whose kind depends on where it was grabbed: the middle
// moves the instance (also to another row), the first and last cells move its
// start and end, a key frame cell moves that key frame. A press on an empty
// cell moves the play head there. A double-click opens the property editor of
// the selected key frame or instance.
class MoveInstances : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;
    bool OnMouseMove(POINT point, InputEventSource* source) override;
    bool OnLButtonDown(POINT point, InputEventSource* source) override;
    bool OnLButtonUp(POINT point, InputEventSource* source) override;
    bool OnLButtonDblClk(POINT point, InputEventSource* source) override;
    // The time line window only.
    bool AcceptsSource(InputEventSource* source) override;

  private:
    enum Mode : std::int32_t {
        kIdle = 0,
        kMoveInstance = -1,
        kMoveStart = -2,
        kMoveStop = -3,
        kMoveKeyFrame = 1,
    };

    void MoveKeyFrame(int frame, int start, int stop);

    std::int32_t m_nRow = 0;        // the row the dragged instance is in
    std::int32_t m_nMode = kIdle;   // the drag in progress
    std::int32_t m_nGrabOffset = 0; // the pressed frame - FrameStart
    Pointer<KeyFrame> m_pKeyFrame;  // the key frame at the pressed cell
};
