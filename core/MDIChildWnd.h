#pragma once

#include "core/ModuleExports.h"
#include "framework/BaseObject.h"
#include "platform/CMDIChildWnd.h"

#include <cstddef>

// The base of the module's MDI child frames: an MDI child frame that is also
// an object of the framework, so that it can be asked for interfaces and held
// through Pointers. From construction to destruction the frame is in the
// module's MDI child registry and keeps one reference on itself, so that the
// temporary handles of the repaint pass never bring its count to zero (the
// window framework deletes it when its window is destroyed).
class QUENDA_EXPORT MDIChildWnd : public CMDIChildWnd, public virtual BaseObject {
  public:
    // Writes null through the owner's pointer, then leaves the registry.
    ~MDIChildWnd() override;

    void* FindInterface(const char* name) override { return FindMDIChildWndInterface(name); }

    // Brings what the frame shows up to date and paints it before returning;
    // the repaint pass calls it for each registered frame in turn. By default
    // the whole client area is invalidated, with erasing, and painted.
    virtual void UpdateNow();

  protected:
    // ppSelf is the owner's pointer to this frame, or null: it is emptied
    // when the frame is destroyed, so that the owner knows to open a new one.
    // There is no default: a frame registers here, never on its own.
    template <class Frame>
    explicit MDIChildWnd(Frame** ppSelf)
        : MDIChildWnd(ppSelf,
                      [](void* pOwnerPointer) { *static_cast<Frame**>(pOwnerPointer) = nullptr; }) {
    }
    // A frame that no owner keeps a pointer to.
    explicit MDIChildWnd(std::nullptr_t) : MDIChildWnd(nullptr, nullptr) {}

    // The names this base answers, in their order, for the FindInterface of
    // the frames built on it.
    void* FindMDIChildWndInterface(const char* name);

  private:
    using ForgetFunction = void (*)(void* pOwnerPointer);
    MDIChildWnd(void* pOwnerPointer, ForgetFunction forget);

    void* m_pOwnerPointer;
    ForgetFunction m_pfnForget;
};
