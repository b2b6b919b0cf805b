#pragma once

#include "platform/WinTypes.h"

#include <functional>

// Keyboard input in Windows terms. Every key press and release of the
// application becomes a MSG (hwnd: the window with the keyboard focus;
// WM_KEYDOWN / WM_KEYUP, or WM_SYSKEYDOWN / WM_SYSKEYUP while Alt is held;
// wParam: the virtual-key code) that is offered to the key message filter
// before the focused window sees it. Keys typed into a modal dialog or an
// open menu are not offered, as a Windows message loop would not see them.

// Installs the process-wide filter (an empty function removes it). A true
// result consumes the key: no window sees it.
void SetKeyMessageFilter(std::function<bool(MSG&)> filter);

// The state of a key for the input being processed: the high bit is set
// while it is down. Answers VK_SHIFT, VK_CONTROL, VK_MENU and the mouse
// buttons VK_LBUTTON, VK_RBUTTON, VK_MBUTTON; 0 for every other key.
SHORT GetAsyncKeyState(int vKey);

// The virtual-key code of a Qt key (Qt::Key), keypad keys included; 0 when
// the key has none.
int VirtualKeyFromQtKey(int qtKey, bool keypad);
