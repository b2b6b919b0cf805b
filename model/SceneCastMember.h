#pragma once

#include "framework/BaseObject.h"

// "SceneCastMember": a cast member with a 3D picture. It draws itself around
// the origin in the current OpenGL context, in the current colour, with the
// instance's transformation already applied.
class SceneCastMember : public virtual BaseObject {
  public:
    virtual void DrawModel() = 0;
};
