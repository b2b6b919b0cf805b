#pragma once

#include "host/HasProperties.h"

// A key frame of an instance: frame is relative to the instance (1 is its
// "FrameStart"); its holders store changes relative to the key frame before.
class KeyFrame : public HasProperties {
  public:
    int frame = 0;
    PropertyHolderList& holders = m_holders;
};
