#pragma once

#include "framework/Pointer.h"

#include <vector>

class Instance;

using InstanceList = std::vector<Pointer<Instance>>;

// "Time Line": numbered rows (from 1) of instances over inclusive frame ranges.
class TimeLine : public virtual BaseObject {
  public:
    // The row's instances that overlap [firstFrame, lastFrame], in frame order.
    virtual InstanceList GetInstances(int row, int firstFrame, int lastFrame) = 0;
    virtual void AddInstance(Pointer<Instance> instance, int row, int frameStart,
                             int frameStop) = 0;
    virtual void RemoveInstance(Pointer<Instance> instance, int unused) = 0;
    virtual void MoveInstance(Pointer<Instance> instance, int row, int frameStart, int frameStop,
                              int oldRow) = 0;
    virtual void SetSelectedInstance(Pointer<Instance> instance) = 0;
    virtual Pointer<Instance> GetSelectedInstance() = 0;
    virtual void PrepareForPlay() = 0;
};
