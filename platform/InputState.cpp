#include "platform/InputState.h"

#include "platform/KeyMessageFilter.h"
#include "platform/Keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {
Qt::KeyboardModifiers s_modifiers;
Qt::MouseButtons s_buttons;
QPointer<KeyMessageFilter> s_pFilter;
QPointer<QWidget> s_pMouseWindow;
} // namespace

namespace InputState {

void Note(const QInputEvent* event) {
    s_modifiers = event->modifiers();
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // A modifier key's own event may or may not carry its modifier.
        bool down = event->type() == QEvent::KeyPress;
        switch (static_cast<const QKeyEvent*>(event)->key()) {
        case Qt::Key_Shift:
            s_modifiers.setFlag(Qt::ShiftModifier, down);
            break;
        case Qt::Key_Control:
            s_modifiers.setFlag(Qt::ControlModifier, down);
            break;
        case Qt::Key_Alt:
            s_modifiers.setFlag(Qt::AltModifier, down);
            break;
        default:
            break;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        s_buttons = static_cast<const QMouseEvent*>(event)->buttons();
        break;
    default:
        break;
    }
}

bool IsDown(int vKey) {
    switch (vKey) {
    case VK_SHIFT:
        return s_modifiers.testFlag(Qt::ShiftModifier);
    case VK_CONTROL:
        return s_modifiers.testFlag(Qt::ControlModifier);
    case VK_MENU:
        return s_modifiers.testFlag(Qt::AltModifier);
    case VK_LBUTTON:
        return s_buttons.testFlag(Qt::LeftButton);
    case VK_RBUTTON:
        return s_buttons.testFlag(Qt::RightButton);
    case VK_MBUTTON:
        return s_buttons.testFlag(Qt::MiddleButton);
    default:
        return false;
    }
}

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    UINT flags = 0;
    if (buttons.testFlag(Qt::LeftButton))
        flags |= MK_LBUTTON;
    if (buttons.testFlag(Qt::RightButton))
        flags |= MK_RBUTTON;
    if (buttons.testFlag(Qt::MiddleButton))
        flags |= MK_MBUTTON;
    if (modifiers.testFlag(Qt::ShiftModifier))
        flags |= MK_SHIFT;
    if (modifiers.testFlag(Qt::ControlModifier))
        flags |= MK_CONTROL;
    return flags;
}

int VirtualKey(const QKeyEvent* event) {
    return VirtualKeyFromQtKey(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
}

UINT KeyMessage(const QKeyEvent* event, bool down) {
    bool alt = event->modifiers().testFlag(Qt::AltModifier) || event->key() == Qt::Key_Alt;
    if (alt)
        return down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    return down ? WM_KEYDOWN : WM_KEYUP;
}

LPARAM KeyLParam(const QKeyEvent* event, bool down) {
    DWORD value = static_cast<DWORD>(event->count() > 0 ? event->count() : 1) & 0xFFFF;
    if (event->modifiers().testFlag(Qt::AltModifier))
        value |= 1u << 29; // context code
    if (!down || event->isAutoRepeat())
        value |= 1u << 30; // the key was down before
    if (!down)
        value |= 1u << 31; // transition: released
    return static_cast<LPARAM>(value);
}

void SetMouseWindow(QWidget* widget) {
    s_pMouseWindow = widget;
}

QWidget* GetMouseWindow() {
    return s_pMouseWindow;
}

void EnsureFilter() {
    if (s_pFilter || !QCoreApplication::instance())
        return;
    s_pFilter = new KeyMessageFilter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(s_pFilter);
}

} // namespace InputState
