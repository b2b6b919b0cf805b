#pragma once

#include "model/AnimatedLayout.h"
#include "model/InstanceKeyFrame.h"

#include <vector>

// The key frames of one instance and the motion they make. Each key frame
// stores changes relative to the key frame before it; the accumulated change
// at a frame interpolates linearly between key frames, starts at 0 on the
// instance's first frame and holds after the last key frame.
class KeyFrameTrack {
  public:
    // The layout lives as long as its class, longer than any instance. The
    // listener hears about every changed value of the key frames on the track.
    KeyFrameTrack(const AnimatedLayout& layout, PropertyChangeListener* listener)
        : m_pLayout(&layout), m_pListener(listener) {}
    // Key frames may outlive their track; they stop telling its listener.
    ~KeyFrameTrack();
    KeyFrameTrack(const KeyFrameTrack&) = delete;
    KeyFrameTrack& operator=(const KeyFrameTrack&) = delete;

    // The first key frame at or after the frame (the earliest added on a tie).
    Pointer<InstanceKeyFrame> GetNext(int fromFrame) const;
    // A key frame at the frame; the one already there, if any. A new key frame
    // takes the changes that keep the motion exactly as it was.
    Pointer<InstanceKeyFrame> Add(int frame);
    // Takes the key frame out as it is: whoever removes it decides whether the
    // next one absorbs its changes first.
    void Remove(int frame);
    // By frame, ties in the order they were added.
    std::vector<InstanceKeyFrame*> GetSorted() const;
    // Whether a key frame's frame changed since the last call: the key frame
    // handlers move a key frame by setting its frame, which no one hears.
    bool TakeMoves();
    // Whether someone besides the track holds one of its key frames.
    bool IsHeldElsewhere() const;

    // The accumulated change of every animated name (in the layout's order)
    // at the instance-relative frame.
    std::vector<double> Evaluate(int frame) const;

  private:
    const AnimatedLayout* m_pLayout;
    PropertyChangeListener* m_pListener;
    struct Entry {
        Pointer<InstanceKeyFrame> keyFrame;
        int seenFrame; // its frame as last seen
    };

    // Most instances have a few key frames: room for them from the first on,
    // rather than a block regrown for each.
    static constexpr size_t kFirstCapacity = 4;

    std::vector<Entry> m_keyFrames;
};
