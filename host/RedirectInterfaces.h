#pragma once

#include "framework/BaseObject.h"

class RTTIClass;

// "RedirectInterfaces": the host hands it every class record it knows.
class RedirectInterfaces : public virtual BaseObject {
  public:
    virtual void AddClass(const RTTIClass* record) = 0;
};
