#pragma once

#include "framework/SharedObject.h"
#include "host/ScriptExceptionHandler.h"

// The viewer's "StdScriptExceptionHandler": a script that fails while the
// project plays is told in a message box (the viewer has no editor), and in
// the debug output, so that a run without a display shows it too.
class ViewerScriptExceptionHandler : public ScriptExceptionHandler, public SharedObject {
  public:
    void* FindInterface(const char* name) override;
    String GetSharedName() override { return "StdScriptExceptionHandler"; }

    void ReportException(Pointer<ObjectList> objects, String scriptName, String message,
                         int line) override;
    void ReportScriptException(Pointer<PropertyHolderScript> script, String scriptName,
                               String message, int line) override;

  private:
    void Show(const String& message);
};
