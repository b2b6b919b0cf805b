#pragma once

#include "platform/WinTypes.h"

#include <optional>
#include <string>
#include <vector>

class MainFrame;

// Works the main window's menus as a person does: each popup is opened (so
// that its items' state is brought up to date) before its items are read or
// chosen.
class MenuDriver {
  public:
    struct Item {
        HMENU hMenu;
        int nPosition;
    };

    explicit MenuDriver(MainFrame& frame) : m_frame(frame) {}

    // Opens the popups named by all texts but the last and returns the
    // command item named by the last one. Throws std::runtime_error when a
    // text names no item, when the last names a popup or a separator, or when
    // the item is disabled.
    Item FindCommand(const std::vector<std::string>& texts);
    // File > Open, whatever its shortcut: the first item of "&File" whose
    // text starts with "&Open" and that opens no popup, found as FindCommand
    // finds it. Nothing when the menu bar offers none.
    std::optional<Item> FindFileOpen();
    // Chooses a command item as a click does.
    void Choose(const Item& item);
    // Tells the main window that the popup at that position is opening.
    void OpenPopup(HMENU hParent, int nPosition);

    // The item's text exactly as inserted.
    static std::string GetItemText(HMENU hMenu, int nPosition);

  private:
    // The first item with exactly that text, else the first whose text is
    // that text, then a blank or a tab and more; -1 when there is none.
    static int FindItem(HMENU hMenu, const std::string& text);

    MainFrame& m_frame;
};
