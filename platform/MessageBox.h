#pragma once

#include "platform/WinTypes.h"

// Message boxes: the buttons, icon and default button of uType (MB_OK,
// MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL, MB_ABORTRETRYIGNORE, MB_RETRYCANCEL;
// MB_ICON*; MB_DEFBUTTON1..3). The answer is a queued Automation answer when
// one waits, the default button in session mode, else the button a person
// chooses in a modal Qt message box (Esc gives IDCANCEL when there is a
// Cancel button). Every box is recorded with its text, flags and answer.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
// A box owned by the main window, captioned with the application's name.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
