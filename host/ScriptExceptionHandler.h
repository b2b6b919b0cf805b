#pragma once

#include "framework/Pointer.h"
#include "framework/String.h"

#include <vector>

class PropertyHolderScript;

// A counted, ordered list of objects, as the script engine reports them.
class ObjectList : public virtual BaseObject {
  public:
    std::vector<Pointer<BaseObject>> objects;
};

// "ScriptExceptionHandler", published as "StdScriptExceptionHandler": told
// about a script that failed. line is 1-based, 0 when unknown.
class ScriptExceptionHandler : public virtual BaseObject {
  public:
    virtual void ReportException(Pointer<ObjectList> objects, String scriptName, String message,
                                 int line) = 0;
    virtual void ReportScriptException(Pointer<PropertyHolderScript> script, String scriptName,
                                       String message, int line) = 0;
};
