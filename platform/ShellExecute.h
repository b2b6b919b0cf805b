#pragma once

#include "platform/WinTypes.h"

// Results of ShellExecuteA at or below 32 are errors.
inline constexpr int SE_ERR_FNF = 2;
inline constexpr int SE_ERR_PNF = 3;
inline constexpr int SE_ERR_NOASSOC = 31;

// Starts a program, or runs a batch file (".bat" or ".cmd", through
// BatchFile), as a detached job in the working folder lpDirectory (the
// current folder when null or empty) and returns at once. lpFile may be
// relative to that folder; lpParameters are split the Windows way. The only
// operation is the default one (null, or "open"). SW_HIDE starts it hidden
// (see DetachedProcess). Returns a value greater than 32 on success; else
// SE_ERR_FNF for a missing file, SE_ERR_PNF for a missing folder,
// SE_ERR_NOASSOC for a file that is neither a program nor a batch file or
// another operation, 0 when no process could be made.
//
// Every process started is recorded with Automation::RecordProcess as the
// caller named it: for a batch file the file itself, then each of its
// commands (program and parameters as written, the same folder).
HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                        LPCSTR lpDirectory, int nShowCmd);
