#pragma once

#include "platform/WinTypes.h"

// Files in the Win32 manner. Names may use '\' for '/'.

typedef struct _WIN32_FIND_DATAA {
    // The name of the file found, without its folder.
    char cFileName[MAX_PATH];
} WIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;

// Copies a file's bytes and permissions; an existing target is replaced unless
// bFailIfExists. FALSE when the source cannot be read or the target written.
BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists);
// FALSE when there is no such file (or it is a folder).
BOOL DeleteFileA(LPCSTR lpFileName);

// Enumerates the entries of a folder whose names match a pattern with '*' and
// '?' ("Plugins\*.dll"), compared without regard to letter case as Windows
// does, in name order. INVALID_HANDLE_VALUE when nothing matches; the handle
// is closed with FindClose.
HANDLE FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData);
// FALSE when there is no further entry.
BOOL FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData);
BOOL FindClose(HANDLE hFindFile);
