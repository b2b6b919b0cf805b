#pragma once

#include "framework/Pointer.h"
#include "framework/String.h"
#include "framework/StringList.h"

class PropertyHolder;

// "PropertyHolderForKeyFrame": a key frame's holder of changes relative to the
// key frame before it.
class PropertyHolderForKeyFrame : public virtual BaseObject {
  public:
    // The change this key frame makes to a property, 0 when it makes none.
    virtual double GetChange(const String& name) = 0;
    virtual void SetChange(const String& name, double change) = 0;
    virtual StringList GetChangedNames() = 0;
    // Told before the key frame before this one is removed: its changes are
    // folded into this holder's so that later values stay where they were.
    virtual void OnPreviousRemoved(Pointer<PropertyHolder> previous) = 0;
};
