#pragma once

#include "framework/BaseObject.h"
#include "platform/WinTypes.h"

// "AcceleratorManager", published as "KBAccel Manager": the plug-ins' keyboard
// shortcuts, offered every key message before it is dispatched.
class AcceleratorManager : public virtual BaseObject {
  public:
    virtual void AddAcceleratorTable(const ACCEL* entries, int count) = 0;
    // True when a table translated the message (its command went to the main window).
    virtual bool TranslateAccelerator(MSG* message) = 0;
};
