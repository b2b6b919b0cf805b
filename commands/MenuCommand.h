#pragma once

#include "host/MenuHandler.h"

#include "framework/Pointer.h"
#include "framework/String.h"

#include <cstdint>

// One command item of the menu manager: the identifier it handed out, and the
// handler and cookie that the command goes back to. The record keeps the
// handler alive.
class MenuCommand : public virtual BaseObject {
  public:
    MenuCommand(std::int32_t id, std::int32_t cookie, Pointer<MenuHandler> handler,
                const String& prompt);

    void* FindInterface(const char* name) override;

    std::int32_t GetID() const { return m_nID; }
    std::int32_t GetCookie() const { return m_nCookie; }
    const Pointer<MenuHandler>& GetHandler() const { return m_pHandler; }
    const String& GetPrompt() const { return m_strPrompt; }

  private:
    std::int32_t m_nID;
    std::int32_t m_nCookie;
    Pointer<MenuHandler> m_pHandler;
    String m_strPrompt;
};
