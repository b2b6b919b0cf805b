#pragma once

#include "host/TimeLine.h"

// What scripts may do to the project beyond the properties of instances.
class ScriptHost {
  public:
    virtual int GetCurrentFrame() = 0;
    // Moves the play head; playback goes on from there.
    virtual void GoToFrame(int frame) = 0;
    virtual void StopPlaying() = 0;
    // The instances of a row alive at a frame, in frame order.
    virtual InstanceList GetInstancesAt(int row, int frame) = 0;

  protected:
    ~ScriptHost() = default;
};
