#pragma once

#include "framework/String.h"

// Told by a property holder after one of its values was stored.
class PropertyChangeListener {
  public:
    virtual void OnPropertyChanged(const String& name) = 0;

  protected:
    ~PropertyChangeListener() = default;
};
