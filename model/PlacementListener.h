#pragma once

class Instance;

// Told when an instance's "FrameStart" or "FrameStop" was edited as a
// property, so that whoever placed it can follow.
class PlacementListener {
  public:
    virtual void OnPlacementEdited(Instance* instance) = 0;

  protected:
    ~PlacementListener() = default;
};
