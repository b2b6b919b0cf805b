#pragma once

#include "framework/Pointer.h"

class Instance;

// "Player": the play head and the drawing of the scene at the current frame.
class Player : public virtual BaseObject {
  public:
    virtual void SetCurrentFrame(int frame) = 0; // 1 is the first frame
    virtual int GetCurrentFrame() = 0;
    // Multiplies the project camera onto the current model-view matrix.
    virtual void ApplyCamera() = 0;
    // Draws the scene in the current OpenGL context; when selecting, loads one
    // selection name per pickable instance.
    virtual void Draw(bool selecting) = 0;
    // The instance drawn under a selection name; empty for a name that draws nothing.
    virtual Pointer<Instance> GetInstanceForName(int name) = 0;
};
