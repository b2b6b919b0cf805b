#include "commands/MenuManagerStdImpl.h"

#include "framework/InterfaceQuery.h"
#include "framework/SingleInstancePluginClass.h"
#include "platform/CWnd.h"
#include "platform/Menu.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(MenuManagerStdImpl)

namespace {

// Item texts are read as Windows reads them: at most 255 characters.
constexpr int kMenuTextBufferSize = 256;

// A segment that formats back to itself as a decimal integer ("0", "-1") is a
// position; anything else is the exact text of an item, ampersand and tab
// included. -1 (the end of the menu) when no item has that text.
int FindMenuPosition(HMENU menu, const std::string& segment) {
    int index = std::atoi(segment.c_str());
    char formatted[16];
    std::snprintf(formatted, sizeof formatted, "%d", index);
    if (segment == formatted)
        return index;

    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char text[kMenuTextBufferSize] = "";
        GetMenuStringA(menu, position, text, kMenuTextBufferSize, MF_BYPOSITION);
        if (text[0] != '\0' && segment == text)
            return position;
    }
    return -1;
}

bool HasPopupNamed(HMENU menu, const String& text) {
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char itemText[kMenuTextBufferSize] = "";
        GetMenuStringA(menu, position, itemText, kMenuTextBufferSize, MF_BYPOSITION);
        if (text == itemText && GetSubMenu(menu, position))
            return true;
    }
    return false;
}

} // namespace

void* MenuManagerStdImpl::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("MenuManager", static_cast<MenuManager*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("MenuManagerStdImpl", this)
        .Result();
}

int MenuManagerStdImpl::AddMenuItem(int cookie, const String& path, const String& text,
                                    Pointer<MenuHandler> handler, bool popup, bool separator,
                                    const String& prompt) {
    CWnd* pMainWnd = AfxGetMainWnd();
    if (!pMainWnd)
        return -1;
    HMENU menu = GetMenu(pMainWnd->GetSafeHwnd());
    if (!menu)
        return -1;

    // Every segment before a line feed names a popup to descend into; the
    // first one that names nothing ends the walk, and the item then goes to
    // the end of the menu reached so far.
    int position = -1;
    std::string_view rest = path.str();
    bool walkedWholePath = true;
    for (size_t feed = rest.find('\n'); feed != std::string_view::npos; feed = rest.find('\n')) {
        int found = FindMenuPosition(menu, std::string(rest.substr(0, feed)));
        HMENU popupMenu = found == -1 ? nullptr : GetSubMenu(menu, found);
        if (!popupMenu) {
            walkedWholePath = false;
            break;
        }
        menu = popupMenu;
        rest.remove_prefix(feed + 1);
    }
    if (walkedWholePath && !rest.empty())
        position = FindMenuPosition(menu, std::string(rest));

    int id = -1;
    if (popup) {
        if (HasPopupNamed(menu, text))
            return -1;
        InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP | MF_STRING,
                    reinterpret_cast<UINT_PTR>(CreatePopupMenu()), text);
    } else if (separator) {
        InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    } else {
        id = m_nNextCommandID;
        m_commands.Add(Pointer<MenuCommand>(new MenuCommand(id, cookie, handler, prompt)));
        InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(id), text);
        ++m_nNextCommandID;
    }
    DrawMenuBar(pMainWnd->GetSafeHwnd());
    return id;
}

// A handle, not a raw pointer: a command may add items or shut the manager
// down while it runs, and its record must outlive that.
Pointer<MenuCommand> MenuManagerStdImpl::FindCommand(int id) const {
    for (std::int32_t i = 0; i < m_commands.GetCount(); ++i)
        if (m_commands[i] && m_commands[i]->GetID() == id)
            return m_commands[i];
    return {};
}

void MenuManagerStdImpl::ExecuteCommand(int id) {
    if (Pointer<MenuCommand> command = FindCommand(id))
        command->GetHandler()->ExecuteMenuItem(command->GetCookie());
}

void MenuManagerStdImpl::UpdateCommandUI(int id, Pointer<MenuItemState> state) {
    if (Pointer<MenuCommand> command = FindCommand(id))
        command->GetHandler()->UpdateMenuItem(command->GetCookie(), state);
}

String MenuManagerStdImpl::GetCommandPrompt(int id) {
    Pointer<MenuCommand> command = FindCommand(id);
    return command ? command->GetPrompt() : String();
}

void MenuManagerStdImpl::Shutdown() {
    m_commands.RemoveAllItems();
}
