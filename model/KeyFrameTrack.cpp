#include "model/KeyFrameTrack.h"

#include <algorithm>

KeyFrameTrack::~KeyFrameTrack() {
    for (const auto& keyFrame : m_keyFrames)
        keyFrame->SetListener(nullptr);
}

Pointer<InstanceKeyFrame> KeyFrameTrack::GetNext(int fromFrame) const {
    Pointer<InstanceKeyFrame> found;
    for (const auto& keyFrame : m_keyFrames)
        if (keyFrame->frame >= fromFrame && (!found || keyFrame->frame < found->frame))
            found = keyFrame;
    return found;
}

std::vector<InstanceKeyFrame*> KeyFrameTrack::GetSorted() const {
    std::vector<InstanceKeyFrame*> sorted;
    sorted.reserve(m_keyFrames.size());
    for (const auto& keyFrame : m_keyFrames)
        sorted.push_back(keyFrame.Get());
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

    Pointer<InstanceKeyFrame> added(new InstanceKeyFrame(frame, *m_pLayout));
    added->SetListener(m_pListener);

    // Past the last key frame the motion holds the sum of every change, so a
    // key frame added there (as a file adds them) changes nothing.
    if (!after) {
        m_keyFrames.push_back(added);
        m_frames.push_back(frame);
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
    m_keyFrames.push_back(added);
    m_frames.push_back(frame);
    return added;
}

void KeyFrameTrack::Remove(int frame) {
    auto found = std::find_if(m_keyFrames.begin(), m_keyFrames.end(),
                              [frame](const auto& keyFrame) { return keyFrame->frame == frame; });
    if (found == m_keyFrames.end())
        return;
    (*found)->SetListener(nullptr);
    m_frames.erase(m_frames.begin() + (found - m_keyFrames.begin()));
    m_keyFrames.erase(found);
}

bool KeyFrameTrack::TakeMoves() {
    bool moved = false;
    for (size_t i = 0; i < m_keyFrames.size(); ++i)
        if (m_frames[i] != m_keyFrames[i]->frame) {
            m_frames[i] = m_keyFrames[i]->frame;
            moved = true;
        }
    return moved;
}

bool KeyFrameTrack::IsHeldElsewhere() const {
    return std::any_of(m_keyFrames.begin(), m_keyFrames.end(),
                       [](const auto& keyFrame) { return keyFrame->GetRefCount() > 1; });
}

std::vector<double> KeyFrameTrack::Evaluate(int frame) const {
    size_t count = m_pLayout->GetNames()->size();
    std::vector<double> values(count, 0.0);
    // Up to the instance's first frame, before any key frame, nothing has
    // changed yet: that is where a project opened at frame 1 shows it.
    auto later = [frame](const auto& keyFrame) { return keyFrame->frame > frame; };
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
