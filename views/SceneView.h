#pragma once

#include "framework/Float3.h"
#include "framework/Pointer.h"
#include "platform/CPoint.h"

class Instance;

// "SceneView": what a scene view offers the handlers that edit through it:
// picking, and its own view transformation. The setters only store; the caller
// redraws.
class SceneView : public virtual BaseObject {
  public:
    // The instance drawn nearest to the viewer under a client point, or empty.
    virtual Pointer<Instance> Pick(CPoint point) = 0;
    virtual Float3 GetTranslation() = 0;
    virtual Float3 GetRotation() = 0;
    // Uniform: every component is the zoom (zeros for a view without zoom).
    virtual Float3 GetScale() = 0;
    virtual void SetTranslation(Float3 translation) = 0;
    virtual void SetRotation(Float3 rotation) = 0;
    // Takes the x component as the zoom.
    virtual void SetScale(Float3 scale) = 0;
};
