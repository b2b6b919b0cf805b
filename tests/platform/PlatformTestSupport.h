#pragma once

#include "platform/CWnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

// Runs pending events, then deletes what was scheduled for deletion.
inline void FlushDeletes() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The top-level Qt window of a window, and a client point of it in that
// window's coordinates, for Qt Test's QWindow functions (which deliver input
// the way a person's input arrives, grabs included).
inline QWindow* TopWindowOf(const CWnd& wnd) {
    return wnd.GetWidget()->window()->windowHandle();
}

inline QPoint WindowPointOf(const CWnd& wnd, POINT client) {
    POINT screen = client;
    wnd.ClientToScreen(&screen);
    return wnd.GetWidget()->window()->mapFromGlobal(QPoint(screen.x, screen.y));
}

// How the recording windows write down WM_COMMAND: "WM_COMMAND id code".
inline std::string CommandEntry(WPARAM wParam) {
    return "WM_COMMAND " + std::to_string(LOWORD(wParam)) + " " + std::to_string(HIWORD(wParam));
}
