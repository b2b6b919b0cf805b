#include "platform/KeyMessageFilter.h"

#include "platform/CMDIChildWnd.h"
#include "platform/CWnd.h"
#include "platform/InputState.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {
std::function<bool(MSG&)>& Hook() {
    static std::function<bool(MSG&)> hook;
    return hook;
}

// The window that a key event is for: the innermost window of ours around
// the widget with the focus.
CWnd* FocusWindowFor(QObject* receiver) {
    QWidget* widget = qobject_cast<QWidget*>(receiver);
    if (!widget)
        widget = QApplication::focusWidget();
    for (; widget; widget = widget->parentWidget())
        if (CWnd* pWnd = CWnd::FromWidget(widget))
            return pWnd;
    return nullptr;
}
} // namespace

// What Windows' TranslateMDISysAccel does after the application's own
// accelerators: Ctrl+F4 closes the active MDI child.
bool KeyMessageFilter::TranslateMDISysAccel(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != static_cast<WPARAM>(VK_F4) ||
        !InputState::IsDown(VK_CONTROL) || InputState::IsDown(VK_SHIFT))
        return false;
    for (CWnd* pWnd = msg.hwnd; pWnd; pWnd = pWnd->GetParent())
        if (auto* pFrame = dynamic_cast<CMDIChildWnd*>(pWnd)) {
            pFrame->SendMessage(WM_CLOSE);
            return true;
        }
    return false;
}

void KeyMessageFilter::SetHook(std::function<bool(MSG&)> hook) {
    Hook() = std::move(hook);
}

bool KeyMessageFilter::eventFilter(QObject* receiver, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        InputState::Note(static_cast<QInputEvent*>(event));
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        InputState::Note(keyEvent);
        if (keyEvent == m_pDelivering)
            return false;
        return OfferKey(receiver, keyEvent);
    }
    default:
        return false;
    }
}

bool KeyMessageFilter::OfferKey(QObject* receiver, QKeyEvent* event) {
    // A Windows application's message loop does not see the keys of a modal
    // dialog or of an open menu: they run loops of their own.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    int vKey = InputState::VirtualKey(event);
    if (!vKey)
        return false;
    bool down = event->type() == QEvent::KeyPress;
    QPoint cursor = QCursor::pos();
    MSG msg{FocusWindowFor(receiver),
            InputState::KeyMessage(event, down),
            static_cast<WPARAM>(vKey),
            InputState::KeyLParam(event, down),
            static_cast<DWORD>(event->timestamp()),
            {cursor.x(), cursor.y()}};
    if ((Hook() && Hook()(msg)) || TranslateMDISysAccel(msg)) {
        event->accept();
        return true;
    }
    // Deliver it now, so that its way to the focus widget and up through the
    // parents is not offered to the hook a second time.
    QPointer<QObject> target(receiver);
    QKeyEvent* pOuter = m_pDelivering;
    m_pDelivering = event;
    if (target)
        QCoreApplication::sendEvent(target, event);
    m_pDelivering = pOuter;
    event->accept();
    return true;
}
