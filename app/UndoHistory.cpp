#include "app/UndoHistory.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace {
// Below this a change is kept as it is: compressing it would gain little.
constexpr size_t kCompressFrom = 4096;
// Fast compression: a step is recorded while the author waits.
constexpr int kCompressionLevel = 1;

// Whole blocks are compared with memcmp, which is many times faster than a
// loop over characters; a project text is megabytes long.
constexpr size_t kBlock = 4096;

size_t CommonPrefix(const std::string& a, const std::string& b) {
    size_t limit = std::min(a.size(), b.size());
    size_t same = 0;
    while (same + kBlock <= limit && std::memcmp(a.data() + same, b.data() + same, kBlock) == 0)
        same += kBlock;
    while (same < limit && a[same] == b[same])
        ++same;
    return same;
}

size_t CommonSuffix(const std::string& a, const std::string& b, size_t prefix) {
    size_t limit = std::min(a.size(), b.size()) - prefix;
    const char* endA = a.data() + a.size();
    const char* endB = b.data() + b.size();
    size_t same = 0;
    while (same + kBlock <= limit &&
           std::memcmp(endA - same - kBlock, endB - same - kBlock, kBlock) == 0)
        same += kBlock;
    while (same < limit && a[a.size() - 1 - same] == b[b.size() - 1 - same])
        ++same;
    return same;
}
} // namespace

UndoHistory::Stored UndoHistory::Store(std::string text) {
    Stored stored;
    stored.size = text.size();
    if (text.size() >= kCompressFrom) {
        QByteArray packed = qCompress(reinterpret_cast<const uchar*>(text.data()),
                                      static_cast<qsizetype>(text.size()), kCompressionLevel);
        if (static_cast<size_t>(packed.size()) < text.size()) {
            stored.data.assign(packed.constData(), static_cast<size_t>(packed.size()));
            stored.compressed = true;
            return stored;
        }
    }
    stored.data = std::move(text);
    return stored;
}

std::string UndoHistory::Fetch(const Stored& stored) {
    if (!stored.compressed)
        return stored.data;
    QByteArray text = qUncompress(reinterpret_cast<const uchar*>(stored.data.data()),
                                  static_cast<qsizetype>(stored.data.size()));
    return std::string(text.constData(), static_cast<size_t>(text.size()));
}

void UndoHistory::Reset(State current) {
    m_current = std::move(current);
    m_steps.clear();
    m_nDone = 0;
    m_nStepBytes = 0;
    Notify();
}

std::vector<UndoHistory::Change> UndoHistory::Compare(const State& after) const {
    std::vector<Change> changes;
    static const std::string kNone;
    for (size_t piece = 0; piece < std::max(m_current.size(), after.size()); ++piece) {
        const std::string& a = piece < m_current.size() ? m_current[piece] : kNone;
        const std::string& b = piece < after.size() ? after[piece] : kNone;
        if (a == b)
            continue;
        size_t prefix = CommonPrefix(a, b);
        size_t suffix = CommonSuffix(a, b, prefix);
        changes.push_back({piece, prefix, Store(a.substr(prefix, a.size() - prefix - suffix)),
                           Store(b.substr(prefix, b.size() - prefix - suffix))});
    }
    return changes;
}

bool UndoHistory::Record(std::string name, State after) {
    std::vector<Change> changes = Compare(after);
    if (changes.empty())
        return false;
    DropUndone();
    Step step{std::move(name), std::move(changes), 0};
    for (const Change& change : step.changes)
        step.bytes += change.before.data.size() + change.after.data.size();
    m_nStepBytes += step.bytes;
    m_steps.push_back(std::move(step));
    m_nDone = m_steps.size();
    m_current = std::move(after);
    KeepWithinBudget();
    Notify();
    return true;
}

bool UndoHistory::Absorb(State after) {
    std::vector<Change> changes = Compare(after);
    if (changes.empty())
        return false;
    DropUndone();
    if (m_nDone > 0) {
        Step& last = m_steps.back();
        for (Change& change : changes) {
            size_t bytes = change.before.data.size() + change.after.data.size();
            last.bytes += bytes;
            m_nStepBytes += bytes;
            last.changes.push_back(std::move(change));
        }
    }
    m_current = std::move(after);
    KeepWithinBudget();
    return true;
}

void UndoHistory::DropUndone() {
    while (m_steps.size() > m_nDone) {
        m_nStepBytes -= m_steps.back().bytes;
        m_steps.pop_back();
    }
}

void UndoHistory::KeepWithinBudget() {
    while (m_steps.size() > 1 && m_nStepBytes > m_nBudget) {
        m_nStepBytes -= m_steps.front().bytes;
        m_steps.pop_front();
        if (m_nDone > 0)
            --m_nDone;
    }
}

std::string UndoHistory::GetUndoName() const {
    return CanUndo() ? m_steps[m_nDone - 1].name : std::string();
}

std::string UndoHistory::GetRedoName() const {
    return CanRedo() ? m_steps[m_nDone].name : std::string();
}

const UndoHistory::State& UndoHistory::Undo() {
    if (!CanUndo())
        return m_current;
    const Step& step = m_steps[--m_nDone];
    for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change)
        m_current[change->piece].replace(change->offset, change->after.size, Fetch(change->before));
    Notify();
    return m_current;
}

const UndoHistory::State& UndoHistory::Redo() {
    if (!CanRedo())
        return m_current;
    const Step& step = m_steps[m_nDone++];
    for (const Change& change : step.changes)
        m_current[change.piece].replace(change.offset, change.before.size, Fetch(change.after));
    Notify();
    return m_current;
}

void UndoHistory::Notify() const {
    if (m_listener)
        m_listener();
}
