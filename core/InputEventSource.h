#pragma once

#include "core/InputEventHandler.h"

#include "framework/Pointer.h"

// "InputEventSource": a window whose input goes to handler plug-ins. A handler
// that starts a drag captures the source's events until it releases them.
class InputEventSource : public virtual BaseObject {
  public:
    virtual void SetEventCapture(Pointer<InputEventHandler> handler) = 0;
    virtual void ReleaseEventCapture() = 0;
};
