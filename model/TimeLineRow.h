#pragma once

#include "host/Instance.h"
#include "host/TimeLine.h"

#include <cstdint>
#include <vector>

// The instances of one time line row, ordered by first frame (then by the
// order they were placed). Instances of a row normally do not overlap, so the
// latest last frame up to each entry (its reach) grows with the order, and a
// range query is a binary search plus the entries it reports; overlapping
// entries, which the row tolerates, cost only extra scanning.
class TimeLineRow {
  public:
    struct Entry {
        int start;
        int stop;
        std::uint64_t id;
        Pointer<Instance> instance;
    };

    void Add(Entry entry);
    // The entry placed with that first frame and id; false when there is none.
    bool Remove(int start, std::uint64_t id);
    // Appends the instances overlapping [first, last], in order.
    void Collect(int first, int last, InstanceList& out) const;
    bool IsEmpty() const { return m_entries.empty(); }
    // The latest last frame of the row; only for a row that is not empty.
    int GetLastFrame() const;
    const std::vector<Entry>& GetEntries() const { return m_entries; }
    // Rebuilds what the next query would rebuild.
    void Refresh() const;

  private:
    std::vector<Entry> m_entries;
    // m_reach[i]: the latest last frame among entries 0..i; rebuilt lazily
    // after changes, so that building a row costs no repeated rebuilding.
    mutable std::vector<int> m_reach;
    mutable bool m_bReachValid = true;
};
