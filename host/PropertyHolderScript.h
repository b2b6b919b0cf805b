#pragma once

#include "framework/BaseObject.h"
#include "framework/StringList.h"

// "PropertyHolderScript": a holder whose properties include scripts.
class PropertyHolderScript : public virtual BaseObject {
  public:
    // The names of the script properties (a name may carry more lines after
    // its first line feed; the first line is its display name).
    virtual StringList GetScriptNames() = 0;
};
