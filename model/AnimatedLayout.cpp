#include "model/AnimatedLayout.h"

AnimatedLayout::AnimatedLayout(std::initializer_list<std::pair<const char*, Properties>> groups) {
    auto all = std::make_shared<std::vector<String>>();
    for (const auto& [holderName, properties] : groups) {
        auto names = std::make_shared<std::vector<String>>();
        Group group{holderName, nullptr, {}};
        for (const auto& [name, value] : properties) {
            names->emplace_back(name);
            all->emplace_back(name);
            group.initialValues.emplace_back(value);
        }
        group.names = std::move(names);
        m_groups.push_back(std::move(group));
    }
    m_pNames = std::move(all);
}
