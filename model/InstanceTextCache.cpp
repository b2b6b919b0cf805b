#include "model/InstanceTextCache.h"

const std::string* InstanceTextCache::Find(const InstanceBase* instance, const Source& source) {
    auto known = m_entries.find(instance);
    if (known == m_entries.end() || !(known->second.source == source))
        return nullptr;
    MarkAskedFor(known->second);
    return &known->second.text;
}

const std::string& InstanceTextCache::Keep(const InstanceBase* instance, const Source& source,
                                           std::string text) {
    Entry& entry = m_entries[instance];
    MarkAskedFor(entry);
    entry.source = source;
    entry.text = std::move(text);
    return entry.text;
}

void InstanceTextCache::Sweep(size_t projectSize) {
    m_nProjectSize = projectSize;
    if (m_entries.size() > m_nAskedFor)
        std::erase_if(m_entries,
                      [this](const auto& entry) { return entry.second.round != m_nRound; });
    ++m_nRound;
    m_nAskedFor = 0;
}

void InstanceTextCache::MarkAskedFor(Entry& entry) {
    if (entry.round == m_nRound)
        return;
    entry.round = m_nRound;
    ++m_nAskedFor;
}
