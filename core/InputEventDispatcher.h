#pragma once

#include "core/GrowableArray.h"
#include "core/InputEventSource.h"

// The input side of a source window: the handlers attached to it and the one
// that holds the capture. A window derives from it, calls AttachHandlers once
// its window exists, and hands each message to PassEvent after its own
// ordinary processing.
class InputEventDispatcher : public InputEventSource {
  public:
    void SetEventCapture(Pointer<InputEventHandler> handler) override;
    void ReleaseEventCapture() override;

    // Creates one object of every input handler class the module knows and
    // keeps those that accept this source, in catalogue order.
    void AttachHandlers();
    // Passes one of the twelve mouse and key messages on: to the capturing
    // handler alone, else to the handlers in order until one takes it.
    void PassEvent(UINT message, WPARAM wParam, LPARAM lParam);
    // True for the twelve mouse and key messages that PassEvent passes on.
    static bool IsInputMessage(UINT message);

    const GrowableArray<Pointer<InputEventHandler>>& GetHandlers() const { return m_handlers; }
    const Pointer<InputEventHandler>& GetCapturedHandler() const { return m_pCaptured; }

  private:
    GrowableArray<Pointer<InputEventHandler>> m_handlers;
    Pointer<InputEventHandler> m_pCaptured;
};
