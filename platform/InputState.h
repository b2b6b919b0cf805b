#pragma once

#include "platform/WinTypes.h"

#include <Qt>

class QInputEvent;
class QKeyEvent;
class QWidget;

// The keyboard and mouse state of the input being processed, kept from every
// input event the application sees (GetAsyncKeyState answers from it), and
// the translation of Qt input to message parameters.
namespace InputState {
void Note(const QInputEvent* event);
bool IsDown(int vKey);
// MK_* flags of a mouse message.
UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// The virtual-key code of a key event, 0 when it has none.
int VirtualKey(const QKeyEvent* event);
// WM_KEYDOWN / WM_KEYUP, or the WM_SYS... pair while Alt is held.
UINT KeyMessage(const QKeyEvent* event, bool down);
// Repeat count, previous-state and transition bits of a key message.
LPARAM KeyLParam(const QKeyEvent* event, bool down);
// The widget that got the last mouse message, where SetCursor shows the
// cursor.
void SetMouseWindow(QWidget* widget);
QWidget* GetMouseWindow();
// Makes sure that the application-wide filter runs.
void EnsureFilter();
} // namespace InputState
