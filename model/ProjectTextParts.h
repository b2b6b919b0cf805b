#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A project text as ProjectWriter lays it out, cut into what comes before the
// instances and the text of each instance, so that two states of a project
// can be compared instance by instance without reading either.
class ProjectTextParts {
  public:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    // False when the text is not laid out as ProjectWriter lays out a project.
    bool Split(std::string_view text);

    std::string_view GetHead() const { return m_head; }
    const std::vector<std::string_view>& GetInstances() const { return m_instances; }

    // For each instance here, the place in `other` of an instance with the
    // same text (each used once), or kNone.
    std::vector<size_t> Match(const ProjectTextParts& other) const;
    // A project text with this head and the instances at the places given.
    std::string Join(const std::vector<size_t>& places) const;

  private:
    std::string_view m_head; // up to the opening of the instances' list
    std::vector<std::string_view> m_instances;
};
