// Dialog resources 106 and 107, in dialog units, with the complete control
// styles a resource compiler writes.

#include "res/EditorDialogIds.h"

#include "platform/DialogTemplate.h"

namespace {
constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;

const bool s_bRegistered = [] {
    RegisterDialogTemplate(
        IDD_PROPERTY_EDITOR,
        {"Property Editor Dialog",
         169,
         121,
         DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
         {{"STATIC", "List of properties :", IDC_STATIC, 7, 7, 57, 8, kControl},
          {"LISTBOX", "", IDC_PROPERTY_LIST, 7, 18, 95, 96,
           kControl | LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
          {"STATIC", "Value :", IDC_STATIC, 109, 18, 23, 8, kControl},
          {"EDIT", "", IDC_PROPERTY_VALUE, 109, 29, 53, 12,
           kControl | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
          {"BUTTON", "Scripts", IDC_SCRIPTS, 112, 83, 50, 14,
           kControl | BS_PUSHBUTTON | WS_TABSTOP},
          {"BUTTON", "Close", IDOK, 112, 100, 50, 14, kControl | BS_DEFPUSHBUTTON | WS_TABSTOP}}});
    // Resizable: the editor follows the dialog's size.
    RegisterDialogTemplate(
        IDD_SCRIPT_EDITOR,
        {"Script Editor Dialog",
         348,
         212,
         WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
         {{"EDIT", "", IDC_SCRIPT_TEXT, 7, 24, 334, 181,
           kControl | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL |
               WS_HSCROLL | WS_BORDER | WS_TABSTOP},
          {"COMBOBOX", "", IDC_SCRIPT_NAMES, 7, 8, 117, 81,
           kControl | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
          {"BUTTON", "Close", IDOK, 131, 7, 50, 14, kControl | BS_PUSHBUTTON | WS_TABSTOP}}});
    return true;
}();
} // namespace
