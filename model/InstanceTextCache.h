#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

class InstanceBase;

// The written text of instances (their properties, scripts and key frames),
// kept under each instance's change stamp: a large project written again
// after a small edit writes only what changed.
class InstanceTextCache {
  public:
    // The text kept for the instance under the stamp; null when there is none.
    const std::string* Find(const InstanceBase* instance, std::uint64_t stamp);
    const std::string& Keep(const InstanceBase* instance, std::uint64_t stamp, std::string text);
    // Forgets the texts not found or kept since the last call: those of
    // instances that left the project. projectSize: the size of the text
    // they went into, which the next one is likely to have.
    void Sweep(size_t projectSize);
    size_t GetProjectSize() const { return m_nProjectSize; }

  private:
    struct Entry {
        std::uint64_t stamp = 0;
        std::string text;
        std::uint64_t round = 0; // the last round the text was asked for
    };

    void MarkAskedFor(Entry& entry);

    std::unordered_map<const InstanceBase*, Entry> m_entries;
    std::uint64_t m_nRound = 1;
    size_t m_nAskedFor = 0; // entries asked for this round
    size_t m_nProjectSize = 0;
};
