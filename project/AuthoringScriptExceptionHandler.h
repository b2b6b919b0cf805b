#pragma once

#include "framework/PluginClass.h"
#include "framework/SharedObject.h"
#include "framework/StaticInstancePlugin.h"
#include "host/ScriptExceptionHandler.h"

class ScriptEditorDialog;

// Tells the author that a script failed, published as
// "StdScriptExceptionHandler" for the model's script engine, and on request
// opens the script editor on the failing script with the failing line selected.
class AuthoringScriptExceptionHandler : public StaticInstancePlugin,
                                        public ScriptExceptionHandler,
                                        public SharedObject {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    void Initialize() override {}
    void Shutdown() override {}
    StringList GetRequiredInterfaces() override { return {}; }

    String GetSharedName() override { return "StdScriptExceptionHandler"; }

    // The objects of the list that hold scripts are offered to the editor.
    void ReportException(Pointer<ObjectList> objects, String scriptName, String message,
                         int line) override;
    // The one holder is offered to the editor.
    void ReportScriptException(Pointer<PropertyHolderScript> script, String scriptName,
                               String message, int line) override;

  private:
    // Asks whether to show the code; only a Yes goes on to the editor.
    static bool AskToViewCode(const String& message);
    // The editor selects the failing line of the script of that name.
    static void PrepareEditor(ScriptEditorDialog& editor, const String& scriptName, int line);
};
