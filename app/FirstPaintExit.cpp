#include "app/FirstPaintExit.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

FirstPaintExit::FirstPaintExit(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
}

bool FirstPaintExit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued: the window's children paint in the same pass, after it.
        QMetaObject::invokeMethod(
            this,
            [] {
                std::puts("corvane: first paint");
                std::fflush(stdout);
                std::_Exit(0);
            },
            Qt::QueuedConnection);
    }
    return false;
}
