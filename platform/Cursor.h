#pragma once

#include "platform/WinTypes.h"

// Cursors: IDC_ARROW and IDC_WAIT (hInstance null). SetCursor shows the
// cursor over the window that received the last mouse message, until a
// handler sets another; it returns the previous cursor.
HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
inline HCURSOR LoadCursor(HINSTANCE hInstance, LPCSTR lpCursorName) {
    return LoadCursorA(hInstance, lpCursorName);
}
HCURSOR SetCursor(HCURSOR hCursor);
