#pragma once

#include "framework/String.h"

#include <initializer_list>
#include <vector>

// Ordered list of String, appended to in order and read by index.
class StringList {
  public:
    StringList() = default;
    StringList(std::initializer_list<String> items) : m_items(items) {}

    void Add(const String& item) { m_items.push_back(item); }
    int GetCount() const { return static_cast<int>(m_items.size()); }
    const String& operator[](int index) const { return m_items.at(static_cast<size_t>(index)); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

  private:
    std::vector<String> m_items;
};
