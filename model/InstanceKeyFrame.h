#pragma once

#include "model/AnimatedLayout.h"
#include "model/KeyFramePropertyHolder.h"

#include "host/KeyFrame.h"

#include <vector>

// A key frame of one of the model's instances: a holder of changes for each
// group of properties the instance animates.
class InstanceKeyFrame : public KeyFrame {
  public:
    // A holder of no changes for each group of the layout.
    InstanceKeyFrame(int atFrame, const AnimatedLayout& layout);

    const RTTIClass* GetClass() const override;
    void* FindInterface(const char* name) override;

    // The changes by place among all the animated names, group after group.
    double GetChangeAt(size_t index) const;
    void SetChangeAt(size_t index, double change);
    // Who hears about changed values in every group; null for none.
    void SetListener(PropertyChangeListener* listener);

  private:
    std::vector<Pointer<KeyFramePropertyHolder>> m_groups;
};
