#include "app/FirstPaint.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

FirstPaint::FirstPaint(QWidget* window, std::function<void()> action)
    : QObject(window), m_action(std::move(action)) {
    window->installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued: the window's children paint in the same pass, after it.
        QMetaObject::invokeMethod(this, m_action, Qt::QueuedConnection);
    }
    return false;
}
