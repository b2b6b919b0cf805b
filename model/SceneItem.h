#pragma once

#include "framework/BaseObject.h"

// "SceneItem": what the player needs to know of an instance beyond Instance.
// Instances that do not answer it are drawn and picked like any other.
class SceneItem : public virtual BaseObject {
  public:
    // False for instances that draw nothing and so get no selection name.
    virtual bool IsPickable() = 0;
    // Lights switch on the OpenGL light given (GL_LIGHT0 + n) and return true;
    // everything else leaves it alone and returns false.
    virtual bool ApplyLight(unsigned light) = 0;
};
