#include "platform/WindowWidget.h"

#include "platform/CWnd.h"
#include "platform/InputState.h"
#include "platform/WindowClass.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>

#include <cmath>

namespace {
enum MouseKind { kDown, kUp, kDoubleClick, kMove };

UINT MouseMessage(Qt::MouseButton button, int kind, bool bDoubleClicks) {
    if (kind == kMove)
        return WM_MOUSEMOVE;
    if (kind == kDoubleClick && !bDoubleClicks)
        kind = kDown;
    UINT base = button == Qt::RightButton    ? WM_RBUTTONDOWN
                : button == Qt::MiddleButton ? WM_MBUTTONDOWN
                                             : WM_LBUTTONDOWN;
    return base + static_cast<UINT>(kind);
}

// The widget of ours that had the focus last, for WM_SETFOCUS.
QPointer<QWidget> s_pLastFocus;
} // namespace

WindowWidget::WindowWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CWnd* WindowWidget::Wnd() const {
    return CWnd::FromWidget(this);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    if (CWnd* pWnd = Wnd())
        pWnd->Paint(event->region());
}

void WindowWidget::resizeEvent(QResizeEvent*) {
    if (CWnd* pWnd = Wnd()) {
        pWnd->LayOutNonClient();
        pWnd->SyncClientSize();
    }
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    RouteMouse(event, kDown);
}
void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    RouteMouse(event, kUp);
}
void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    RouteMouse(event, kDoubleClick);
}
void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
    RouteMouse(event, kMove);
}

// A mouse message goes to the window under the mouse, or to the window that
// holds the capture, in that window's client coordinates.
void WindowWidget::RouteMouse(QMouseEvent* event, int kind) {
    event->accept();
    CWnd* pTarget = CWnd::GetCapture();
    if (!pTarget || !pTarget->GetWidget())
        pTarget = Wnd();
    if (!pTarget)
        return;
    QPointF global = event->globalPosition();
    POINT point{static_cast<LONG>(std::floor(global.x())),
                static_cast<LONG>(std::floor(global.y()))};
    pTarget->ScreenToClient(&point);
    bool bDoubleClicks = (pTarget->m_nClassStyle & CS_DBLCLKS) != 0;
    UINT message = MouseMessage(event->button(), kind, bDoubleClicks);
    InputState::SetMouseWindow(pTarget->GetWidget());
    pTarget->SendMessage(message, InputState::MouseFlags(event->buttons(), event->modifiers()),
                         MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    RouteKey(event, true);
}
void WindowWidget::keyReleaseEvent(QKeyEvent* event) {
    RouteKey(event, false);
}

void WindowWidget::RouteKey(QKeyEvent* event, bool down) {
    CWnd* pWnd = Wnd();
    int vKey = InputState::VirtualKey(event);
    if (!pWnd || !vKey) {
        event->ignore();
        return;
    }
    event->accept();
    pWnd->SendMessage(InputState::KeyMessage(event, down), static_cast<WPARAM>(vKey),
                      InputState::KeyLParam(event, down));
}

void WindowWidget::focusInEvent(QFocusEvent*) {
    CWnd* pOld = s_pLastFocus && s_pLastFocus != this ? CWnd::FromWidget(s_pLastFocus) : nullptr;
    s_pLastFocus = this;
    if (CWnd* pWnd = Wnd())
        pWnd->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(pOld));
}

void WindowWidget::focusOutEvent(QFocusEvent*) {
    // Qt has already moved the focus: GetFocus names the window that gets it.
    if (CWnd* pWnd = Wnd())
        pWnd->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(CWnd::GetFocus()));
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // Closing is the window's own affair: WM_CLOSE destroys it by default.
    event->ignore();
    if (CWnd* pWnd = Wnd())
        pWnd->SendMessage(WM_CLOSE);
}
