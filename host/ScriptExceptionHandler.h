#pragma once

#include "framework/Pointer.h"
#include "framework/String.h"
#include "host/ObjectList.h"

class PropertyHolderScript;

// "ScriptExceptionHandler", published as "StdScriptExceptionHandler": told
// about a script that failed. line is 1-based, 0 when unknown.
class ScriptExceptionHandler : public virtual BaseObject {
  public:
    virtual void ReportException(Pointer<ObjectList> objects, String scriptName, String message,
                                 int line) = 0;
    virtual void ReportScriptException(Pointer<PropertyHolderScript> script, String scriptName,
                                       String message, int line) = 0;
};
