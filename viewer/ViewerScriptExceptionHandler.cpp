#include "viewer/ViewerScriptExceptionHandler.h"

#include "framework/Debugger.h"
#include "framework/InterfaceQuery.h"
#include "platform/CWnd.h"
#include "platform/MessageBox.h"

void* ViewerScriptExceptionHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("ScriptExceptionHandler", static_cast<ScriptExceptionHandler*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("ViewerScriptExceptionHandler", this)
        .Result();
}

void ViewerScriptExceptionHandler::ReportException(Pointer<ObjectList>, String, String message,
                                                   int) {
    Show(message);
}

void ViewerScriptExceptionHandler::ReportScriptException(Pointer<PropertyHolderScript>, String,
                                                         String message, int) {
    Show(message);
}

void ViewerScriptExceptionHandler::Show(const String& message) {
    TVK::GetDebugger()->PrintError("%s\n", message.c_str());
    MessageBoxA(AfxGetMainWnd(), message.c_str(), "Script Error", MB_OK | MB_ICONEXCLAMATION);
}
