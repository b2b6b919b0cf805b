#include "model/TimeLineRow.h"

#include <algorithm>

namespace {
bool Before(const TimeLineRow::Entry& a, int start, std::uint64_t id) {
    return a.start < start || (a.start == start && a.id < id);
}
} // namespace

void TimeLineRow::Add(Entry entry) {
    auto place =
        std::lower_bound(m_entries.begin(), m_entries.end(), entry,
                         [](const Entry& a, const Entry& b) { return Before(a, b.start, b.id); });
    bool atEnd = place == m_entries.end();
    int stop = entry.stop;
    m_entries.insert(place, std::move(entry));
    // Appending in order, as a project file or a growing row does, keeps the
    // reach valid without a rebuild.
    if (atEnd && m_bReachValid)
        m_reach.push_back(m_reach.empty() ? stop : std::max(m_reach.back(), stop));
    else
        m_bReachValid = false;
}

bool TimeLineRow::Remove(int start, std::uint64_t id) {
    auto place = std::lower_bound(m_entries.begin(), m_entries.end(), start,
                                  [id](const Entry& a, int s) { return Before(a, s, id); });
    if (place == m_entries.end() || place->start != start || place->id != id)
        return false;
    bool atEnd = place + 1 == m_entries.end();
    m_entries.erase(place);
    if (atEnd && m_bReachValid)
        m_reach.pop_back();
    else
        m_bReachValid = false;
    return true;
}

void TimeLineRow::Refresh() const {
    if (m_bReachValid)
        return;
    m_reach.resize(m_entries.size());
    int reach = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        reach = i == 0 ? m_entries[i].stop : std::max(reach, m_entries[i].stop);
        m_reach[i] = reach;
    }
    m_bReachValid = true;
}

void TimeLineRow::Collect(int first, int last, InstanceList& out) const {
    if (first > last)
        return;
    Refresh();
    // Entries before this one all end before the range.
    size_t from = static_cast<size_t>(std::lower_bound(m_reach.begin(), m_reach.end(), first) -
                                      m_reach.begin());
    for (size_t i = from; i < m_entries.size() && m_entries[i].start <= last; ++i)
        if (m_entries[i].stop >= first)
            out.push_back(m_entries[i].instance);
}

int TimeLineRow::GetLastFrame() const {
    Refresh();
    return m_reach.back();
}
