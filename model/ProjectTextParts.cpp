#include "model/ProjectTextParts.h"

#include <algorithm>
#include <unordered_map>

namespace {
// Text holds no line feed inside a value (JSON escapes it), so these lines
// are found only where the layout puts them.
constexpr std::string_view kInstancesOpen = "\n  \"instances\": [";
constexpr std::string_view kInstanceOpen = "\n    {";
constexpr std::string_view kInstanceClose = "\n    }";
constexpr std::string_view kBetween = ",";
constexpr std::string_view kEnd = "\n  ]\n}\n";
constexpr std::string_view kEmptyEnd = "]\n}\n";

// Where kInstanceClose is, from its brace: braces are far rarer than line
// feeds, and a project text is megabytes long.
size_t FindClose(std::string_view text, size_t from) {
    const size_t before = kInstanceClose.size() - 1;
    for (size_t brace = text.find('}', from + before); brace != std::string_view::npos;
         brace = text.find('}', brace + 1))
        if (text.substr(brace - before, kInstanceClose.size()) == kInstanceClose)
            return brace - before;
    return std::string_view::npos;
}
} // namespace

bool ProjectTextParts::Split(std::string_view text) {
    m_instances.clear();
    size_t open = text.find(kInstancesOpen);
    if (open == std::string_view::npos)
        return false;
    size_t at = open + kInstancesOpen.size();
    m_head = text.substr(0, at);
    if (text.substr(at) == kEmptyEnd)
        return true;
    for (;;) {
        if (text.substr(at, kInstanceOpen.size()) != kInstanceOpen)
            return false;
        size_t close = FindClose(text, at + kInstanceOpen.size());
        if (close == std::string_view::npos)
            return false;
        size_t end = close + kInstanceClose.size();
        // Without the line feed before it, as Join puts it back.
        m_instances.push_back(text.substr(at + 1, end - at - 1));
        if (text.substr(end) == kEnd)
            return true;
        if (text.substr(end, kBetween.size()) != kBetween)
            return false;
        at = end + kBetween.size();
    }
}

// Most changes leave most instances where they were: the instances before
// and after the changed ones pair up in place; the rest by their text.
std::vector<size_t> ProjectTextParts::Match(const ProjectTextParts& other) const {
    const auto& mine = m_instances;
    const auto& theirs = other.m_instances;
    std::vector<size_t> places(mine.size(), kNone);
    size_t shorter = std::min(mine.size(), theirs.size());
    size_t front = 0;
    while (front < shorter && mine[front] == theirs[front]) {
        places[front] = front;
        ++front;
    }
    size_t back = 0;
    while (back < shorter - front &&
           mine[mine.size() - 1 - back] == theirs[theirs.size() - 1 - back]) {
        places[mine.size() - 1 - back] = theirs.size() - 1 - back;
        ++back;
    }
    std::unordered_multimap<std::string_view, size_t> left;
    for (size_t place = front; place < theirs.size() - back; ++place)
        left.emplace(theirs[place], place);
    for (size_t place = front; place < mine.size() - back; ++place) {
        auto found = left.find(mine[place]);
        if (found == left.end())
            continue;
        places[place] = found->second;
        left.erase(found);
    }
    return places;
}

std::string ProjectTextParts::Join(const std::vector<size_t>& places) const {
    std::string text(m_head);
    if (places.empty())
        return text.append(kEmptyEnd);
    for (size_t i = 0; i < places.size(); ++i) {
        text += i == 0 ? "\n" : ",\n";
        text += m_instances[places[i]];
    }
    return text.append(kEnd);
}
