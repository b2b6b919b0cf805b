#pragma once

#include <cstring>

// Answers FindInterface: candidate names are compared with the asked name in
// the order they are given, exactly and case-sensitively; the first match wins.
//
//   return InterfaceQuery(name)
//       .Answer("MenuManager", static_cast<MenuManager*>(this))
//       .AnswerBase(FindStaticInstancePluginInterface(name))
//       .Answer("MenuManagerStdImpl", this)
//       .Result();
class InterfaceQuery {
  public:
    explicit InterfaceQuery(const char* name) : m_pszName(name) {}

    InterfaceQuery& Answer(const char* candidate, void* part) {
        if (!m_pPart && m_pszName && std::strcmp(m_pszName, candidate) == 0)
            m_pPart = part;
        return *this;
    }
    // The answer of a base's own name list, consulted at this place in the order.
    InterfaceQuery& AnswerBase(void* part) {
        if (!m_pPart)
            m_pPart = part;
        return *this;
    }
    void* Result() const { return m_pPart; }

  private:
    const char* m_pszName;
    void* m_pPart = nullptr;
};
