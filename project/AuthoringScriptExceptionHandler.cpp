#include "project/AuthoringScriptExceptionHandler.h"

#include "views/ScriptEditorDialog.h"

#include "framework/InterfaceQuery.h"
#include "host/PropertyHolderScript.h"
#include "platform/MessageBox.h"

CORVANE_REGISTER_CLASS(AuthoringScriptExceptionHandler)

void* AuthoringScriptExceptionHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("ScriptExceptionHandler", static_cast<ScriptExceptionHandler*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("AuthoringScriptExceptionHandler", this)
        .Result();
}

bool AuthoringScriptExceptionHandler::AskToViewCode(const String& message) {
    const String text(message.str() + "\n\nDo you want to view the code?");
    return AfxMessageBox(text, MB_YESNO | MB_ICONEXCLAMATION, 0) == IDYES;
}

void AuthoringScriptExceptionHandler::PrepareEditor(ScriptEditorDialog& editor,
                                                    const String& scriptName, int line) {
    editor.m_nErrorLine = line;
    editor.m_strScriptName = scriptName;
}

void AuthoringScriptExceptionHandler::ReportException(Pointer<ObjectList> objects,
                                                      String scriptName, String message, int line) {
    if (!AskToViewCode(message))
        return;
    ScriptEditorDialog editor(AfxGetMainWnd());
    PrepareEditor(editor, scriptName, line);
    if (objects)
        for (const Pointer<BaseObject>& object : objects->objects)
            if (Pointer<PropertyHolderScript> holder =
                    object.As<PropertyHolderScript>("PropertyHolderScript"))
                editor.m_scriptHolders.push_back(holder);
    editor.DoModal();
}

void AuthoringScriptExceptionHandler::ReportScriptException(Pointer<PropertyHolderScript> script,
                                                            String scriptName, String message,
                                                            int line) {
    if (!AskToViewCode(message))
        return;
    ScriptEditorDialog editor(AfxGetMainWnd());
    PrepareEditor(editor, scriptName, line);
    editor.m_scriptHolders.push_back(script);
    editor.DoModal();
}
