#include "app/SessionInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// The entry through which the window system's mouse input reaches Qt; the
// same one that Qt's own test library drives.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace {

// Apart by more than any double-click interval, so that separate commands
// never make a double click.
constexpr int kCommandGap = 5000;

QString KeyText(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return {};
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        char letter =
            static_cast<char>((modifiers & Qt::ShiftModifier ? 'A' : 'a') + (key - Qt::Key_A));
        return QString(QChar(letter));
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QString(QChar(static_cast<char>('0' + (key - Qt::Key_0))));
    switch (key) {
    case Qt::Key_Return:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QString(QChar(0x1B));
    case Qt::Key_Backspace:
        return QString(QChar(0x08));
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Space:
        return QStringLiteral(" ");
    default:
        return {};
    }
}

// A key event goes to the target while it lives; a key that closed it sends
// the rest to whatever has the focus then.
void SendKey(QPointer<QWidget>& target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             const QString& text) {
    QWidget* receiver = target ? target.data() : QApplication::focusWidget();
    if (!receiver)
        return;
    QKeyEvent event(type, key, modifiers, text);
    QApplication::sendEvent(receiver, &event);
}

} // namespace

void SessionInput::PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    static const std::pair<Qt::KeyboardModifier, int> modifierKeys[] = {
        {Qt::ControlModifier, Qt::Key_Control},
        {Qt::ShiftModifier, Qt::Key_Shift},
        {Qt::AltModifier, Qt::Key_Alt}};
    QPointer<QWidget> receiver(target);
    Qt::KeyboardModifiers held;
    for (auto [modifier, modifierKey] : modifierKeys)
        if (modifiers & modifier) {
            held |= modifier;
            SendKey(receiver, QEvent::KeyPress, modifierKey, held, {});
        }
    QString text = KeyText(key, modifiers);
    SendKey(receiver, QEvent::KeyPress, key, modifiers, text);
    SendKey(receiver, QEvent::KeyRelease, key, modifiers, text);
    for (auto it = std::rbegin(modifierKeys); it != std::rend(modifierKeys); ++it)
        if (modifiers & it->first) {
            held &= ~it->first;
            SendKey(receiver, QEvent::KeyRelease, it->second, held, {});
        }
}

void SessionInput::Send(QWidget* widget, QPoint point, Qt::MouseButton button, int type,
                        Qt::KeyboardModifiers modifiers) {
    QWidget* top = widget->window();
    QWindow* window = top->windowHandle();
    if (!window)
        return;
    QPoint local = widget->mapTo(top, point);
    QPoint global = top->mapToGlobal(local);
    qt_handleMouseEvent(window, local, global, m_buttons, button, static_cast<QEvent::Type>(type),
                        modifiers, ++m_nTimestamp);
}

void SessionInput::Press(QWidget* widget, QPoint point, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers) {
    m_nTimestamp += kCommandGap;
    m_buttons |= button;
    Send(widget, point, button, QEvent::MouseButtonPress, modifiers);
}

void SessionInput::Release(QWidget* widget, QPoint point, Qt::MouseButton button,
                           Qt::KeyboardModifiers modifiers) {
    m_buttons &= ~button;
    Send(widget, point, button, QEvent::MouseButtonRelease, modifiers);
}

void SessionInput::DoubleClick(QWidget* widget, QPoint point, Qt::MouseButton button,
                               Qt::KeyboardModifiers modifiers) {
    Press(widget, point, button, modifiers);
    Release(widget, point, button, modifiers);
    // The second press follows at once: Qt turns it into the double click.
    m_buttons |= button;
    Send(widget, point, button, QEvent::MouseButtonPress, modifiers);
    Release(widget, point, button, modifiers);
}

void SessionInput::Move(QWidget* widget, QPoint point, Qt::KeyboardModifiers modifiers) {
    Send(widget, point, Qt::NoButton, QEvent::MouseMove, modifiers);
}
