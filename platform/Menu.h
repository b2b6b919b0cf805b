#pragma once

#include "platform/WinTypes.h"

class QAction;

// Menus in the Win32 manner over a Qt menu bar and Qt menus. Items are
// addressed by 0-based position (MF_BYPOSITION) or by command identifier
// (MF_BYCOMMAND, which searches the submenus too). Item texts are kept exactly
// as inserted, '&' and the tab-separated shortcut included; the shortcut is
// only displayed, never bound. Choosing a command item sends WM_COMMAND with
// its identifier to the window that owns the menu bar; before a popup opens
// that window receives WM_INITMENUPOPUP, and WM_MENUSELECT as items are
// highlighted (and with flags 0xFFFF and no menu when the menu closes).

// The menu bar of a window (only the main frame has one), or null.
HMENU GetMenu(HWND hWnd);
BOOL DrawMenuBar(HWND hWnd);
// Both make an empty menu that can be inserted as a popup.
HMENU CreateMenu();
HMENU CreatePopupMenu();

int GetMenuItemCount(HMENU hMenu);
// The item's text (at most nMaxCount - 1 characters and a terminating zero);
// returns the number of characters copied. With a null buffer, the length.
int GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int nMaxCount, UINT uFlag);
HMENU GetSubMenu(HMENU hMenu, int nPos);
// The command identifier at a position: -1 (0xFFFFFFFF) for a popup or no
// item, 0 for a separator.
UINT GetMenuItemID(HMENU hMenu, int nPos);
// MF_CHECKED, MF_GRAYED | MF_DISABLED, MF_SEPARATOR and MF_POPUP (with the
// popup's item count in the high byte); -1 (0xFFFFFFFF) when there is no
// such item.
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);

// Inserts before the item at uPosition (MF_BYPOSITION; -1 or a position past
// the end appends) or before the item with that command identifier. uFlags:
// MF_STRING, MF_POPUP (uIDNewItem is then the popup's HMENU), MF_SEPARATOR,
// MF_GRAYED, MF_DISABLED, MF_CHECKED.
BOOL InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem);
BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem);
// Removes the item at uPosition (MF_BYPOSITION) or with that command
// identifier; a popup is destroyed with it.
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
// Both return the previous state (MF_GRAYED / MF_CHECKED bits) or -1 when
// there is no such item.
int EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);

// The Qt action of an item (by position), for what Win32 menus do not have,
// such as a tool tip; a popup item's action has the popup as its menu().
// Null when there is no such item.
QAction* GetMenuItemAction(HMENU hMenu, int nPos);
