#pragma once

#include "core/ModuleExports.h"
#include "framework/BaseObject.h"
#include "platform/CMDIChildWnd.h"

// The base of the module's MDI child frames: an MDI child frame that is also
// an object of the framework, so that it can be asked for interfaces and held
// through Pointers (the frame keeps one reference on itself; the window
// framework deletes it when its window is destroyed).
class QUENDA_EXPORT MDIChildWnd : public CMDIChildWnd, public virtual BaseObject {
  public:
    void* FindInterface(const char* name) override { return FindMDIChildWndInterface(name); }

  protected:
    MDIChildWnd() = default;
    // The names this base answers, in their order, for the FindInterface of
    // the frames built on it.
    void* FindMDIChildWndInterface(const char* name);
};
