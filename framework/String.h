#pragma once

#include <string>
#include <string_view>

// The framework string: built empty, from a zero-terminated string or another
// String; converts to a zero-terminated string.
class String {
  public:
    String() = default;
    String(const char* text) : m_str(text ? text : "") {}
    String(std::string text) : m_str(std::move(text)) {}
    String(std::string_view text) : m_str(text) {}

    operator const char*() const { return m_str.c_str(); }
    const char* c_str() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }
    bool IsEmpty() const { return m_str.empty(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }

    friend bool operator==(const String& a, const String& b) { return a.m_str == b.m_str; }
    friend bool operator==(const String& a, const char* b) { return a.m_str == (b ? b : ""); }

  private:
    std::string m_str;
};
