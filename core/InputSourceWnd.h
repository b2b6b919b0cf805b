#pragma once

#include "core/InputEventDispatcher.h"

#include "platform/WinTypes.h"

// A window of the module whose mouse and key messages go to the input
// handlers attached to it. The window's own processing comes first (for
// WM_MOUSEMOVE the cursor), then the handlers. Other messages are never
// passed on: after WM_NCDESTROY a frame may already be deleted.
template <class Window> class InputSourceWnd : public Window, public InputEventDispatcher {
  public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = Window::WindowProc(message, wParam, lParam);
        if (IsInputMessage(message))
            PassEvent(message, wParam, lParam);
        return result;
    }

  protected:
    using Window::Window;
};
