#pragma once

#include "framework/BaseObject.h"

// "VirtualDC": a window that draws into an off-screen picture and paints from it.
class VirtualDC : public virtual BaseObject {
  public:
    // Renders the whole off-screen picture anew and invalidates the window.
    virtual void Redraw() = 0;
};
