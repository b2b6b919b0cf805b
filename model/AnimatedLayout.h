#pragma once

#include "framework/String.h"

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

// What an instance class animates: groups of properties (one holder each)
// with the values a new instance starts with. Built once per class and shared
// by all its instances and their key frames.
class AnimatedLayout {
  public:
    struct Group {
        String holderName;
        std::shared_ptr<const std::vector<String>> names;
        std::vector<String> initialValues;
    };
    using Properties =
        std::initializer_list<std::pair<const char*, const char*>>; // name, initial value

    AnimatedLayout(std::initializer_list<std::pair<const char*, Properties>> groups);

    const std::vector<Group>& GetGroups() const { return m_groups; }
    // Every animated name, group after group.
    const std::shared_ptr<const std::vector<String>>& GetNames() const { return m_pNames; }

  private:
    std::vector<Group> m_groups;
    std::shared_ptr<const std::vector<String>> m_pNames;
};
