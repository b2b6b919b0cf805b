#include "model/KeyFrameTrack.h"

#include <algorithm>

KeyFrameTrack::~KeyFrameTrack() {
    for (const auto& entry : m_keyFrames)
        entry.keyFrame->SetListener(nullptr);
}

Pointer<InstanceKeyFrame> KeyFrameTrack::GetNext(int fromFrame) const {
    Pointer<InstanceKeyFrame> found;
    for (const auto& entry : m_keyFrames)
        if (entry.keyFrame->frame >= fromFrame && (!found || entry.keyFrame->frame < found->frame))
            found = entry.keyFrame;
    return found;
}

std::vector<InstanceKeyFrame*> KeyFrameTrack::GetSorted() const {
    std::vector<InstanceKeyFrame*> sorted;
    sorted.reserve(m_keyFrames.size());
    for (const auto& entry : m_keyFrames)
        sorted.push_back(entry.keyFrame.Get());
    // Key frames are mostly added in frame order; a moved one may not be.
    auto earlier = [](const InstanceKeyFrame* a, const InstanceKeyFrame* b) {
        return a->frame < b->frame;
    };
    if (!std::is_sorted(sorted.begin(), sorted.end(), earlier))
        std::stable_sort(sorted.begin(), sorted.end(), earlier);
    return sorted;
}

Pointer<InstanceKeyFrame> KeyFrameTrack::Add(int frame) {
    Pointer<InstanceKeyFrame> after = GetNext(frame);
    if (after && after->frame == frame)
        return after;

    Pointer<InstanceKeyFrame> added = InstanceKeyFrame::Create(frame, *m_pLayout);
    added->SetListener(m_pListener);

    // Past the last key frame the motion holds the sum of every change, so a
    // key frame added there (as a file adds them) changes nothing.
    if (m_keyFrames.empty())
        m_keyFrames.reserve(kFirstCapacity);
    if (!after) {
        m_keyFrames.push_back({added, frame});
        return added;
    }
    // The new key frame sits where the motion already passes; the key frame
    // after it gives up that part of its change.
    size_t count = m_pLayout->GetNames()->size();
    std::vector<double> here = Evaluate(frame);
    std::vector<double> before(count, 0.0);
    InstanceKeyFrame* next = nullptr;
    for (InstanceKeyFrame* keyFrame : GetSorted()) {
        if (keyFrame->frame < frame) {
            for (size_t i = 0; i < count; ++i)
                before[i] += keyFrame->GetChangeAt(i);
        } else if (!next) {
            next = keyFrame;
        }
    }
    for (size_t i = 0; i < count; ++i) {
        double change = here[i] - before[i];
        if (change == 0.0)
            continue;
        added->SetChangeAt(i, change);
        if (next)
            next->SetChangeAt(i, next->GetChangeAt(i) - change);
    }
    m_keyFrames.push_back({added, frame});
    return added;
}

void KeyFrameTrack::Remove(int frame) {
    auto found = std::find_if(m_keyFrames.begin(), m_keyFrames.end(), [frame](const Entry& entry) {
        return entry.keyFrame->frame == frame;
    });
    if (found == m_keyFrames.end())
        return;
    found->keyFrame->SetListener(nullptr);
    m_keyFrames.erase(found);
}

bool KeyFrameTrack::TakeMoves() {
    bool moved = false;
    for (auto& [keyFrame, seen] : m_keyFrames)
        if (seen != keyFrame->frame) {
            seen = keyFrame->frame;
            moved = true;
        }
    return moved;
}

bool KeyFrameTrack::IsHeldElsewhere() const {
    return std::any_of(m_keyFrames.begin(), m_keyFrames.end(),
                       [](const Entry& entry) { return entry.keyFrame->GetRefCount() > 1; });
}

std::vector<double> KeyFrameTrack::Evaluate(int frame) const {
    size_t count = m_pLayout->GetNames()->size();
    std::vector<double> values(count, 0.0);
    // Up to the instance's first frame, before any key frame, nothing has
    // changed yet: that is where a project opened at frame 1 shows it.
    auto later = [frame](const Entry& entry) { return entry.keyFrame->frame > frame; };
    if (m_keyFrames.empty() ||
        (frame <= 1 && std::all_of(m_keyFrames.begin(), m_keyFrames.end(), later)))
        return values;
    auto sorted = GetSorted();
    for (size_t i = 0; i < count; ++i) {
        double value = 0.0;
        int from = 1;
        for (const InstanceKeyFrame* keyFrame : sorted) {
            double target = value + keyFrame->GetChangeAt(i);
            if (frame >= keyFrame->frame) {
                value = target;
                from = keyFrame->frame;
                continue;
            }
            // Here from < frame < keyFrame->frame, so the span is never empty.
            if (frame > from)
                value +=
                    (target - value) * (double(frame) - from) / (double(keyFrame->frame) - from);
            break;
        }
        values[i] = value;
    }
    return values;
}
