#pragma once

#include "framework/Pointer.h"

class KeyFrame;

// "AllowsKeyFrames", asked of an instance. Frames are instance-relative.
class AllowsKeyFrames : public virtual BaseObject {
  public:
    // The first key frame at or after the frame; empty when there is none.
    virtual Pointer<KeyFrame> GetNextKeyFrame(int fromFrame) = 0;
    // Creates a key frame at the frame and returns it.
    virtual Pointer<KeyFrame> AddKeyFrame(int frame) = 0;
    virtual void RemoveKeyFrame(int frame) = 0;
};
