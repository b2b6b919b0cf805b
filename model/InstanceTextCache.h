#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

class InstanceBase;

// The written text of instances, kept with what it was written from: a large
// project written again after a small edit writes only what changed.
class InstanceTextCache {
  public:
    // What an instance's text is written from besides the instance's class.
    struct Source {
        std::uint64_t stamp; // the instance's change stamp
        int row;
        int start;
        int stop;
        int cast; // the place of its cast member in the cast list
        bool operator==(const Source&) const = default;
    };

    // The text kept for the instance from that source; null when there is none.
    const std::string* Find(const InstanceBase* instance, const Source& source);
    const std::string& Keep(const InstanceBase* instance, const Source& source, std::string text);
    // Forgets the texts not found or kept since the last call: those of
    // instances that left the project. projectSize: the size of the text
    // they went into, which the next one is likely to have.
    void Sweep(size_t projectSize);
    size_t GetProjectSize() const { return m_nProjectSize; }

  private:
    struct Entry {
        Source source{};
        std::string text;
        std::uint64_t round = 0; // the last round the text was asked for
    };

    void MarkAskedFor(Entry& entry);

    std::unordered_map<const InstanceBase*, Entry> m_entries;
    std::uint64_t m_nRound = 1;
    size_t m_nAskedFor = 0; // entries asked for this round
    size_t m_nProjectSize = 0;
};
