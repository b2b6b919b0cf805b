#pragma once

#include "framework/BaseObject.h"
#include "framework/String.h"
#include "framework/StringList.h"

// A group of text properties of a project object. A holder whose "Type" is
// "Accum" is the model's own bookkeeping and is never shown to the author.
class PropertyHolder : public virtual BaseObject {
  public:
    // False (out untouched) when the holder has no property of that name.
    virtual bool GetPropertyValue(const String& name, String& out) = 0;
    // False when the holder has no property of that name.
    virtual bool SetPropertyValue(const String& name, const String& value) = 0;
    virtual bool HasProperty(const String& name) = 0;
    virtual String GetHolderName() = 0;
    virtual void AddProperty(const String& name, const String& value) = 0;
    virtual StringList GetPropertyNames() = 0;
};
