#pragma once

#include "framework/BaseObject.h"

// "Player Timer": playback.
class PlayerTimer : public virtual BaseObject {
  public:
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() = 0;
};
