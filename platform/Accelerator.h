#pragma once

#include "platform/WinTypes.h"

// Keyboard accelerator tables in the Win32 manner.

// Copies the entries; null when cEntries is not positive or lpaccl is null.
HACCEL CreateAcceleratorTableA(const ACCEL* lpaccl, int cEntries);
BOOL DestroyAcceleratorTable(HACCEL hAccel);
// Matches a WM_KEYDOWN or WM_SYSKEYDOWN message against the table: the first
// FVIRTKEY entry with the message's key code whose Ctrl, Shift and Alt flags
// equal the keyboard state. When the command belongs to an item of hWnd's
// menu, hWnd first receives WM_INITMENUPOPUP for the popup holding it, and a
// disabled item sends nothing; otherwise hWnd receives WM_COMMAND with the
// command in the low word and 1 in the high word. Non-zero when an entry
// matched.
int TranslateAcceleratorA(HWND hWnd, HACCEL hAccTable, MSG* lpMsg);
