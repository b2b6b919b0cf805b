#pragma once

#include "framework/BaseObject.h"

// "NotifyFrameChange": told by the host whenever the current frame changes.
class NotifyFrameChange : public virtual BaseObject {
  public:
    virtual void OnFrameChange(int newFrame, int oldFrame) = 0;
};
