#pragma once

#include "platform/WinTypes.h"

// The window classes of AfxRegisterWndClass: a name for each distinct set of
// class styles.
namespace WindowClass {
// The class styles of a registered class name; the default class (null or an
// unknown name) has CS_DBLCLKS, as MFC's window classes do.
UINT StyleOf(LPCSTR lpszClassName);
} // namespace WindowClass
