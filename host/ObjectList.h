#pragma once

#include "framework/Pointer.h"

#include <vector>

// A counted, ordered list of objects, as the script engine reports them.
class ObjectList : public virtual BaseObject {
  public:
    std::vector<Pointer<BaseObject>> objects;
};
