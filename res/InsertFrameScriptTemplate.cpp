// Dialog resource 101, "Insert Frame Script", laid out in dialog units of the
// dialog font ("MS Sans Serif", 8 point).

#include "platform/DialogTemplate.h"

namespace {

constexpr UINT kInsertFrameScriptDialog = 101;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const bool s_bRegistered = [] {
    RegisterDialogTemplate(
        kInsertFrameScriptDialog,
        {"Insert Frame Script",
         156,
         61,
         WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
         {{"STATIC", "Please enter the frame number for the script.", -1, 7, 7, 141, 8, kChild},
          {"STATIC", "Frame Number :", -1, 50, 22, 51, 8, kChild},
          {"EDIT", "", 1000, 108, 20, 40, 12, kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER},
          // OK waits for a frame number.
          {"BUTTON", "OK", IDOK, 44, 40, 50, 14,
           kChild | WS_TABSTOP | WS_DISABLED | BS_DEFPUSHBUTTON},
          {"BUTTON", "Cancel", IDCANCEL, 98, 40, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON}},
         {"MS Sans Serif", 8}});
    return true;
}();

} // namespace
