#pragma once

#include "framework/BaseObject.h"
#include "framework/String.h"

// An object published in the SharedObjects registry under a display name
// ("Menu Manager"), which differs from the interface names it answers.
class SharedObject : public virtual BaseObject {
  public:
    virtual String GetSharedName() = 0;
};
