#include "commands/MenuCommand.h"

#include <utility>

MenuCommand::MenuCommand(std::int32_t id, std::int32_t cookie, Pointer<MenuHandler> handler,
                         const String& prompt)
    : m_nID(id), m_nCookie(cookie), m_pHandler(std::move(handler)), m_strPrompt(prompt) {}

// A plain record: it answers no interface, not even "BaseObject".
void* MenuCommand::FindInterface(const char*) {
    return nullptr;
}
