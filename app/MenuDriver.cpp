#include "app/MenuDriver.h"

#include "app/MainFrame.h"

#include "platform/Menu.h"

#include <QAction>

#include <stdexcept>

namespace {

// Menu texts in messages: the tab of a shortcut written as the script writes it.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\t')
            quoted += "\\t";
        else if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else
            quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::string MenuDriver::GetItemText(HMENU hMenu, int nPosition) {
    int length = GetMenuStringA(hMenu, static_cast<UINT>(nPosition), nullptr, 0, MF_BYPOSITION);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetMenuStringA(hMenu, static_cast<UINT>(nPosition), text.data(), length + 1, MF_BYPOSITION);
    text.resize(static_cast<size_t>(length));
    return text;
}

int MenuDriver::FindItem(HMENU hMenu, const std::string& text) {
    int count = GetMenuItemCount(hMenu);
    for (int position = 0; position < count; ++position)
        if (GetItemText(hMenu, position) == text && GetMenuItemID(hMenu, position) != 0)
            return position;
    // Items whose text names what they act on ("&Undo Move\tCtrl+Z") are
    // found by the text before that name or before the shortcut.
    for (int position = 0; position < count; ++position) {
        std::string item = GetItemText(hMenu, position);
        if (item.size() > text.size() && item.compare(0, text.size(), text) == 0 &&
            (item[text.size()] == ' ' || item[text.size()] == '\t') &&
            GetMenuItemID(hMenu, position) != 0)
            return position;
    }
    return -1;
}

void MenuDriver::OpenPopup(HMENU hParent, int nPosition) {
    HMENU hPopup = GetSubMenu(hParent, nPosition);
    if (hPopup)
        m_frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                            MAKELPARAM(static_cast<WORD>(nPosition), FALSE));
}

MenuDriver::Item MenuDriver::FindCommand(const std::vector<std::string>& texts) {
    HMENU hMenu = GetMenu(m_frame.GetSafeHwnd());
    std::string where = "the menu bar";
    for (size_t index = 0; index < texts.size(); ++index) {
        int position = FindItem(hMenu, texts[index]);
        if (position < 0)
            throw std::runtime_error("no menu item " + Quoted(texts[index]) + " in " + where);
        bool last = index + 1 == texts.size();
        HMENU hPopup = GetSubMenu(hMenu, position);
        if (!last) {
            if (!hPopup)
                throw std::runtime_error("menu item " + Quoted(texts[index]) + " has no submenu");
            OpenPopup(hMenu, position);
            hMenu = hPopup;
            where = Quoted(texts[index]);
            continue;
        }
        if (hPopup)
            throw std::runtime_error("menu item " + Quoted(texts[index]) +
                                     " is a submenu, not a command");
        if (GetMenuState(hMenu, static_cast<UINT>(position), MF_BYPOSITION) &
            (MF_GRAYED | MF_DISABLED))
            throw std::runtime_error("menu item " + Quoted(texts[index]) + " is disabled");
        return {hMenu, position};
    }
    throw std::runtime_error("no menu item given");
}

std::optional<MenuDriver::Item> MenuDriver::FindFileOpen() {
    HMENU hBar = GetMenu(m_frame.GetSafeHwnd());
    int filePosition = FindItem(hBar, "&File");
    HMENU hFile = filePosition < 0 ? nullptr : GetSubMenu(hBar, filePosition);
    if (!hFile)
        return std::nullopt;
    int count = GetMenuItemCount(hFile);
    for (int position = 0; position < count; ++position) {
        std::string text = GetItemText(hFile, position);
        if (text.rfind("&Open", 0) == 0 && !GetSubMenu(hFile, position))
            return FindCommand({"&File", text});
    }
    return std::nullopt;
}

void MenuDriver::Choose(const Item& item) {
    if (QAction* action = GetMenuItemAction(item.hMenu, item.nPosition))
        action->trigger();
}
