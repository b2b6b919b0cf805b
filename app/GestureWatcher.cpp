#include "app/GestureWatcher.h"

#include "app/UndoController.h"

#include "platform/CMDIChildWnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QWidget>

GestureWatcher::GestureWatcher(UndoController& controller, QObject* parent)
    : QObject(parent), m_controller(controller) {}

std::string GestureWatcher::MouseGestureName(const std::string& title, Qt::MouseButtons held,
                                             bool shiftDoubleClick) {
    if (title == "Time Line")
        return shiftDoubleClick ? "Add Key Frame" : "Time Line Edit";
    if (title == "Cast List")
        return "Drop Instance";
    // The scene views: the left button moves, the right rotates, both scale.
    if ((held & Qt::LeftButton) && (held & Qt::RightButton))
        return "Scale";
    return held & Qt::RightButton ? "Rotate" : "Move";
}

bool GestureWatcher::eventFilter(QObject* receiver, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        // Seen first by the window system's window, then by each widget it
        // is offered to; the widget tells where the gesture is.
        if (auto* widget = qobject_cast<QWidget*>(receiver);
            widget && !QApplication::activeModalWidget())
            OnMouse(widget, event);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (!QApplication::activeModalWidget())
            OnKey(event);
        break;
    default:
        break;
    }
    return QObject::eventFilter(receiver, event);
}

// A mouse event is seen once for every widget it is offered to; only a change
// of the buttons held counts.
void GestureWatcher::OnMouse(QWidget* receiver, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    Qt::MouseButtons held = mouse->buttons();
    if (event->type() == QEvent::MouseButtonRelease) {
        m_held = held;
        if (held == Qt::NoButton)
            m_controller.EndGesture();
        return;
    }
    bool first = !m_controller.IsGestureOpen();
    if (!first && (held | m_held) == m_held && event->type() != QEvent::MouseButtonDblClick)
        return;
    if (first) {
        m_strTitle = WindowTitleOf(receiver);
        m_held = Qt::NoButton;
    }
    m_held |= held;
    bool shiftDoubleClick =
        event->type() == QEvent::MouseButtonDblClick && (mouse->modifiers() & Qt::ShiftModifier);
    std::string name = MouseGestureName(m_strTitle, m_held, shiftDoubleClick);
    if (first)
        m_controller.BeginGesture(name);
    else
        m_controller.RenameGesture(name, UndoController::Naming::Input);
}

void GestureWatcher::OnKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return;
    default:
        break;
    }
    if (event->type() == QEvent::KeyRelease) {
        if (m_held == Qt::NoButton)
            m_controller.EndGesture();
        return;
    }
    if (m_controller.IsGestureOpen())
        return;
    m_held = Qt::NoButton;
    m_controller.BeginGesture(key->key() == Qt::Key_Delete ? "Delete" : "Key");
}

std::string GestureWatcher::WindowTitleOf(QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(widget)) {
            if (auto* frame = dynamic_cast<CMDIChildWnd*>(CWnd::FromWidget(sub->widget()))) {
                String title;
                frame->GetWindowText(title);
                return title.str();
            }
            return sub->windowTitle().toStdString();
        }
    return {};
}
