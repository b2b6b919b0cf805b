#include "core/InputEventDispatcher.h"

#include "core/QuendaInterfaces.h"

namespace {
POINT PointOf(LPARAM lParam) {
    // Client coordinates are signed 16-bit: a captured drag may leave the window.
    return POINT{static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                 static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
}

// Returns false for a message that is none of the twelve; otherwise result
// holds the handler's answer.
bool Deliver(InputEventHandler* handler, UINT message, WPARAM wParam, LPARAM lParam,
             InputEventSource* source, bool& result) {
    POINT point = PointOf(lParam);
    UINT key = static_cast<UINT>(wParam);
    switch (message) {
    case WM_MOUSEMOVE:
        result = handler->OnMouseMove(point, source);
        return true;
    case WM_LBUTTONDOWN:
        result = handler->OnLButtonDown(point, source);
        return true;
    case WM_LBUTTONUP:
        result = handler->OnLButtonUp(point, source);
        return true;
    case WM_LBUTTONDBLCLK:
        result = handler->OnLButtonDblClk(point, source);
        return true;
    case WM_RBUTTONDOWN:
        result = handler->OnRButtonDown(point, source);
        return true;
    case WM_RBUTTONUP:
        result = handler->OnRButtonUp(point, source);
        return true;
    case WM_RBUTTONDBLCLK:
        result = handler->OnRButtonDblClk(point, source);
        return true;
    case WM_MBUTTONDOWN:
        result = handler->OnMButtonDown(point, source);
        return true;
    case WM_MBUTTONUP:
        result = handler->OnMButtonUp(point, source);
        return true;
    case WM_MBUTTONDBLCLK:
        result = handler->OnMButtonDblClk(point, source);
        return true;
    case WM_KEYDOWN:
        result = handler->OnKeyDown(key, source);
        return true;
    case WM_KEYUP:
        result = handler->OnKeyUp(key, source);
        return true;
    default:
        return false;
    }
}
} // namespace

bool InputEventDispatcher::IsInputMessage(UINT message) {
    return (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) || message == WM_KEYDOWN ||
           message == WM_KEYUP;
}

void InputEventDispatcher::SetEventCapture(Pointer<InputEventHandler> handler) {
    m_pCaptured = std::move(handler);
}

void InputEventDispatcher::ReleaseEventCapture() {
    m_pCaptured.Reset();
}

void InputEventDispatcher::AttachHandlers() {
    m_handlers.RemoveAllItems();
    QuendaInterfaces* interfaces = GetQuendaInterfaces();
    if (!interfaces)
        return;
    const auto& classes = interfaces->GetInputHandlerClasses();
    for (std::int32_t i = 0; i < classes.GetCount(); ++i) {
        Pointer<InputEventHandler> handler(
            static_cast<InputEventHandler*>(classes[i]->GetCreateFunction()("InputEventHandler")));
        if (handler && handler->AcceptsSource(this))
            m_handlers.Add(handler);
    }
}

void InputEventDispatcher::PassEvent(UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    if (m_pCaptured) {
        // Held here: the handler may release the capture while it works.
        Pointer<InputEventHandler> captured = m_pCaptured;
        Deliver(captured.Get(), message, wParam, lParam, this, handled);
        return;
    }
    for (std::int32_t i = 0; i < m_handlers.GetCount(); ++i) {
        Pointer<InputEventHandler> handler = m_handlers[i];
        if (!handler)
            continue;
        if (!Deliver(handler.Get(), message, wParam, lParam, this, handled))
            return;
        if (handled)
            return;
    }
}
