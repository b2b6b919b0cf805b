#pragma once

#include "model/AnimatedLayout.h"
#include "model/KeyFramePropertyHolder.h"

#include "host/KeyFrame.h"

#include <span>

// A key frame of one of the model's instances: a holder of changes for each
// group of properties the instance animates.
class InstanceKeyFrame final : public KeyFrame {
  public:
    // A holder of no changes for each group of the layout. The list of the
    // holders shares the key frame's block of memory: a project holds tens
    // of thousands of key frames.
    static Pointer<InstanceKeyFrame> Create(int atFrame, const AnimatedLayout& layout);
    // Frees the block that Create made.
    static void operator delete(void* block) { ::operator delete(block); }
    ~InstanceKeyFrame() override;
    InstanceKeyFrame(const InstanceKeyFrame&) = delete;
    InstanceKeyFrame& operator=(const InstanceKeyFrame&) = delete;

    const RTTIClass* GetClass() const override;
    void* FindInterface(const char* name) override;

    // The changes by place among all the animated names, group after group.
    double GetChangeAt(size_t index) const;
    void SetChangeAt(size_t index, double change);
    // Who hears about changed values in every group; null for none.
    void SetListener(PropertyChangeListener* listener);

  private:
    using Group = Pointer<KeyFramePropertyHolder>;

    InstanceKeyFrame(int atFrame, const AnimatedLayout& layout);
    std::span<const Group> Groups() const { return {m_groups, m_nGroups}; }

    Group* m_groups; // just after the key frame
    size_t m_nGroups = 0;
};
