#include "platform/CWnd.h"

#include "platform/ControlAdapter.h"
#include "platform/DialogControl.h"
#include "platform/InputState.h"
#include "platform/StandardScrollBar.h"
#include "platform/WidgetLink.h"
#include "platform/WindowClass.h"
#include "platform/WindowWidget.h"

#include <QApplication>
#include <QLayout>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cstring>
#include <set>

namespace {
CWnd* s_pMainWnd = nullptr;
CWnd* s_pCapture = nullptr;

struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
CurrentMessage s_current{0, 0, 0};

// The border that WS_EX_DLGMODALFRAME gives a window: a double edge.
constexpr int kDialogFrameBorder = 3;

} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_pWidget)
        DestroyWindow();
    if (s_pCapture == this)
        s_pCapture = nullptr;
    if (s_pMainWnd == this)
        s_pMainWnd = nullptr;
}

// ---------------------------------------------------------------- creation

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    if (m_pWidget || !QApplication::instance())
        return FALSE;
    bool bChild = (dwStyle & WS_CHILD) != 0;
    if (bChild && !(pParentWnd && pParentWnd->m_pWidget))
        return FALSE;
    m_dwStyle = dwStyle;
    m_dwExStyle = dwExStyle;
    m_nID = nID;
    m_nBorder = (dwExStyle & WS_EX_DLGMODALFRAME) ? kDialogFrameBorder : 0;

    auto* widget = new WindowWidget(bChild ? pParentWnd->m_pWidget : nullptr);
    CRect rc(rect);
    if (bChild) {
        CPoint origin = pParentWnd->GetClientOrigin();
        widget->setGeometry(rc.left + origin.x, rc.top + origin.y, std::max(rc.Width(), 0),
                            std::max(rc.Height(), 0));
    } else {
        widget->setGeometry(rc.left, rc.top, std::max(rc.Width(), 0), std::max(rc.Height(), 0));
    }
    AttachWidget(widget, widget);
    CreateStandardScrollBars();
    return FinishCreate(lpszClassName, lpszWindowName, pParentWnd, lpParam);
}

void CWnd::CreateStandardScrollBars() {
    if (m_dwStyle & WS_HSCROLL)
        m_pHorzBar = std::make_unique<StandardScrollBar>(this, m_pWidget, SB_HORZ);
    if (m_dwStyle & WS_VSCROLL)
        m_pVertBar = std::make_unique<StandardScrollBar>(this, m_pWidget, SB_VERT);
}

void CWnd::AttachWidget(QWidget* widget, QWidget* outer) {
    InputState::EnsureFilter();
    m_pLink.reset();
    m_pWidget = widget;
    m_pOuter = outer;
    m_pLink = std::make_unique<WidgetLink>(this, widget, outer);
    m_sizeClient = CSize(-1, -1);
    m_rgnUpdate = QRegion();
    m_bErasePending = true;
    m_bInPaint = false;
}

BOOL CWnd::FinishCreate(LPCSTR lpszClassName, LPCSTR lpszWindowName, CWnd* pParentWnd,
                        LPVOID lpParam) {
    m_nClassStyle = WindowClass::StyleOf(lpszClassName);
    m_pParent = pParentWnd;
    if (lpszWindowName)
        SetWindowText(lpszWindowName);
    if (m_dwStyle & WS_DISABLED)
        m_pOuter->setEnabled(false);

    QRect geometry = m_pOuter->geometry();
    CREATESTRUCT cs{lpParam,        nullptr,           nullptr,
                    pParentWnd,     geometry.height(), geometry.width(),
                    geometry.y(),   geometry.x(),      static_cast<LONG>(m_dwStyle),
                    lpszWindowName, lpszClassName,     m_dwExStyle};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        // As CreateWindowEx does: the window is destroyed again, and a frame
        // deletes itself on the way (PostNcDestroy).
        DestroyWindow();
        return FALSE;
    }
    LayOutNonClient();
    SyncClientSize();
    if (m_dwStyle & WS_VISIBLE)
        m_pOuter->show();
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_pWidget || m_bDestroying)
        return FALSE;
    m_bDestroying = true;
    if (s_pCapture == this)
        ReleaseCapture();
    SendMessage(WM_DESTROY);
    // Then the child windows, each with its own destruction. The widget tree
    // is searched afresh each time: a child's handlers may destroy others.
    std::set<const CWnd*> done{this};
    for (;;) {
        CWnd* pChild = nullptr;
        QList<QWidget*> pending = m_pOuter
                                      ? m_pOuter->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                                      : QList<QWidget*>();
        while (!pending.isEmpty() && !pChild) {
            QWidget* widget = pending.takeFirst();
            CWnd* pWnd = FromWidget(widget);
            if (pWnd && !done.count(pWnd) && pWnd->m_pWidget == widget && !pWnd->m_bDestroying)
                pChild = pWnd;
            else
                pending += widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        }
        if (!pChild)
            break;
        done.insert(pChild);
        pChild->DestroyWindow();
    }
    // The last message: the object may be deleted during its handling.
    SendMessage(WM_NCDESTROY);
    return TRUE;
}

void CWnd::ReleaseWidgets() {
    QPointer<QWidget> outer = m_pOuter;
    m_pLink.reset();
    m_pWidget = nullptr;
    m_pOuter = nullptr;
    m_pHorzBar.reset();
    m_pVertBar.reset();
    m_surface = QImage();
    if (outer) {
        // The widget may be inside one of its own events: it goes when the
        // event loop next runs.
        outer->hide();
        outer->deleteLater();
    }
}

void CWnd::OnWidgetDestroyed() {
    // Qt destroyed the widget (with its parent): the window is gone without
    // its messages.
    m_pWidget = nullptr;
    m_pOuter = nullptr;
    m_pHorzBar.reset();
    m_pVertBar.reset();
    if (s_pCapture == this)
        s_pCapture = nullptr;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    return TRUE;
}

CWnd* CWnd::FromWidget(const QWidget* widget) {
    return WidgetLink::FindWnd(widget);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    QWidget* control =
        pParent ? DialogControl::Find(pParent->m_pWidget, static_cast<int>(nID)) : nullptr;
    if (!control || m_pWidget)
        return FALSE;
    if (CWnd* pPrevious = FromWidget(control)) {
        pPrevious->m_pLink.reset();
        pPrevious->m_pWidget = nullptr;
        pPrevious->m_pOuter = nullptr;
    }
    AttachWidget(control, control);
    m_nID = nID;
    m_dwStyle = DialogControl::StyleOf(control);
    m_pParent = pParent;
    SyncClientSize();
    return TRUE;
}

void CWnd::SetMainWindow(CWnd* pWnd) {
    s_pMainWnd = pWnd;
}

CWnd* AfxGetMainWnd() {
    return s_pMainWnd;
}

// ---------------------------------------------------------------- messages

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

// The message being handled, kept outside the window as MFC keeps it in the
// thread state: a handler may delete its window.
LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessage outer = s_current;
    s_current = {message, wParam, lParam};
    LRESULT result = Dispatch(message, wParam, lParam);
    s_current = outer;
    return result;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    UINT nFlags = static_cast<UINT>(wParam);
    UINT nRepCnt = LOWORD(static_cast<std::uintptr_t>(lParam));
    UINT nKeyFlags = HIWORD(static_cast<std::uintptr_t>(lParam));
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
               HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
    case WM_SETFOCUS:
        OnSetFocus(reinterpret_cast<CWnd*>(wParam));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<CWnd*>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(nFlags, point);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(nFlags, point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(nFlags, point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(nFlags, point);
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(nFlags, point);
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(nFlags, point);
        return 0;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(nFlags, point);
        return 0;
    case WM_MBUTTONDOWN:
        OnMButtonDown(nFlags, point);
        return 0;
    case WM_MBUTTONUP:
        OnMButtonUp(nFlags, point);
        return 0;
    case WM_MBUTTONDBLCLK:
        OnMButtonDblClk(nFlags, point);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), nRepCnt, nKeyFlags);
        return 0;
    case WM_KEYUP:
        OnKeyUp(static_cast<UINT>(wParam), nRepCnt, nKeyFlags);
        return 0;
    case WM_SYSKEYDOWN:
        OnSysKeyDown(static_cast<UINT>(wParam), nRepCnt, nKeyFlags);
        return 0;
    case WM_SYSKEYUP:
        OnSysKeyUp(static_cast<UINT>(wParam), nRepCnt, nKeyFlags);
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(lParam));
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(lParam));
        return 0;
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam),
                        LOWORD(static_cast<std::uintptr_t>(lParam)),
                        HIWORD(static_cast<std::uintptr_t>(lParam)));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::Default() {
    return DefWindowProc(s_current.message, s_current.wParam, s_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_ERASEBKGND:
        // The class background of every window is white.
        GetSurface().fill(Qt::white);
        return TRUE;
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    default:
        return 0;
    }
}

BOOL CWnd::OnCommand(WPARAM, LPARAM) {
    return FALSE;
}
int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnInitMenuPopup(HMENU, UINT, BOOL) {
    Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU) {
    Default();
}
void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy() {
    Default();
    ReleaseWidgets();
    m_bDestroying = false;
    if (s_pMainWnd == this)
        s_pMainWnd = nullptr;
    PostNcDestroy();
}

// ---------------------------------------------------------------- geometry

CPoint CWnd::GetClientOrigin() const {
    return CPoint(m_nBorder, m_nBorder);
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    *lpRect = CRect(0, 0, std::max<LONG>(m_sizeClient.cx, 0), std::max<LONG>(m_sizeClient.cy, 0));
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    if (!m_pOuter) {
        *lpRect = CRect();
        return;
    }
    // A top-level window's rectangle leaves out what the window manager draws
    // around it.
    QRect frame = m_pOuter->geometry();
    QPoint topLeft = m_pOuter->isWindow() ? frame.topLeft()
                                          : m_pOuter->parentWidget()->mapToGlobal(frame.topLeft());
    *lpRect =
        CRect(topLeft.x(), topLeft.y(), topLeft.x() + frame.width(), topLeft.y() + frame.height());
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    if (!m_pWidget)
        return;
    CPoint origin = GetClientOrigin();
    QPoint global = m_pWidget->mapToGlobal(QPoint(lpPoint->x + origin.x, lpPoint->y + origin.y));
    lpPoint->x = global.x();
    lpPoint->y = global.y();
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->left));
    ClientToScreen(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    if (!m_pWidget)
        return;
    CPoint origin = GetClientOrigin();
    QPoint local = m_pWidget->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
    lpPoint->x = local.x() - origin.x;
    lpPoint->y = local.y() - origin.y;
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->left));
    ScreenToClient(reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    if (!m_pOuter)
        return;
    nWidth = std::max(nWidth, 0);
    nHeight = std::max(nHeight, 0);
    if (m_pOuter->isWindow()) {
        m_pOuter->setGeometry(x, y, nWidth, nHeight);
    } else {
        CPoint origin;
        if (m_pParent && m_pParent->m_pWidget == m_pOuter->parentWidget())
            origin = m_pParent->GetClientOrigin();
        m_pOuter->setGeometry(x + origin.x, y + origin.y, nWidth, nHeight);
    }
    if (m_pOuter != m_pWidget && m_pOuter->layout()) {
        // A hidden frame lays out its client widget only when asked.
        m_pOuter->layout()->activate();
    }
    SyncClientSize();
    if (bRepaint)
        Invalidate();
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (!m_pOuter)
        return FALSE;
    BOOL bWasVisible = m_pOuter->isVisible();
    switch (nCmdShow) {
    case SW_HIDE:
        m_pOuter->hide();
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        m_pOuter->showMinimized();
        break;
    case SW_SHOWMAXIMIZED:
        m_pOuter->showMaximized();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        m_pOuter->showNormal();
        break;
    default:
        m_pOuter->show();
        break;
    }
    SyncClientSize();
    return bWasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_pOuter && m_pOuter->isVisible();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (!m_pOuter)
        return FALSE;
    BOOL bWasDisabled = !m_pOuter->isEnabled();
    m_pOuter->setEnabled(bEnable != FALSE);
    return bWasDisabled;
}

// Sends WM_SIZE when the client size changed: after creation, moves, shown
// or hidden scroll bars and every resize by the user.
void CWnd::SyncClientSize() {
    if (!m_pWidget)
        return;
    int cx = m_pWidget->width();
    int cy = m_pWidget->height();
    if (dynamic_cast<WindowWidget*>(m_pWidget)) {
        cx -= 2 * m_nBorder +
              (m_pVertBar && m_pVertBar->IsShown() ? StandardScrollBar::kThickness : 0);
        cy -= 2 * m_nBorder +
              (m_pHorzBar && m_pHorzBar->IsShown() ? StandardScrollBar::kThickness : 0);
    }
    UINT nType = SIZE_RESTORED;
    if (m_pOuter->isMinimized()) {
        nType = SIZE_MINIMIZED;
        cx = cy = 0;
    } else if (m_pOuter->isMaximized()) {
        nType = SIZE_MAXIMIZED;
    }
    CSize size(std::max(cx, 0), std::max(cy, 0));
    if (size == m_sizeClient)
        return;
    m_sizeClient = size;
    GetSurface();
    LayOutNonClient();
    m_rgnUpdate = QRegion(0, 0, size.cx, size.cy);
    m_bErasePending = true;
    m_pWidget->update();
    SendMessage(WM_SIZE, nType, MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
}

void CWnd::LayOutNonClient() {
    if (!m_pWidget)
        return;
    bool bHorz = m_pHorzBar && m_pHorzBar->IsShown();
    bool bVert = m_pVertBar && m_pVertBar->IsShown();
    int width = m_pWidget->width() - 2 * m_nBorder;
    int height = m_pWidget->height() - 2 * m_nBorder;
    int thickness = StandardScrollBar::kThickness;
    if (m_pVertBar)
        m_pVertBar->SetGeometry(m_nBorder + width - thickness, m_nBorder, thickness,
                                std::max(height - (bHorz ? thickness : 0), 0));
    if (m_pHorzBar)
        m_pHorzBar->SetGeometry(m_nBorder, m_nBorder + height - thickness,
                                std::max(width - (bVert ? thickness : 0), 0), thickness);
}

// ---------------------------------------------------------------- text

void CWnd::SetWindowText(LPCSTR lpszString) {
    if (!m_pOuter)
        return;
    QString text = QString::fromUtf8(lpszString ? lpszString : "");
    if (auto* sub = qobject_cast<QMdiSubWindow*>(m_pOuter))
        sub->setWindowTitle(text);
    ControlAdapter::For(m_pWidget)->SetText(text);
}

void CWnd::GetWindowText(String& rString) const {
    if (!m_pOuter) {
        rString = String();
        return;
    }
    QWidget* source = qobject_cast<QMdiSubWindow*>(m_pOuter) ? m_pOuter : m_pWidget;
    rString = String(ControlAdapter::For(source)->GetText().toStdString());
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
    if (!lpszStringBuf || nMaxCount <= 0)
        return 0;
    String text;
    GetWindowText(text);
    int nLength = std::min(text.GetLength(), nMaxCount - 1);
    std::memcpy(lpszStringBuf, text.c_str(), static_cast<size_t>(nLength));
    lpszStringBuf[nLength] = '\0';
    return nLength;
}

// ---------------------------------------------------------------- focus

CWnd* CWnd::GetFocus() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (CWnd* pWnd = FromWidget(widget))
            return pWnd;
    return nullptr;
}

CWnd* CWnd::SetFocus() {
    CWnd* pOld = GetFocus();
    if (m_pWidget)
        m_pWidget->setFocus(Qt::OtherFocusReason);
    return pOld;
}

// ---------------------------------------------------------------- painting

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    if (!m_pWidget)
        return;
    QRect client(0, 0, m_sizeClient.cx, m_sizeClient.cy);
    QRect area = lpRect ? QRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                                lpRect->bottom - lpRect->top)
                              .intersected(client)
                        : client;
    if (area.isEmpty())
        return;
    m_rgnUpdate += area;
    if (bErase)
        m_bErasePending = true;
    CPoint origin = GetClientOrigin();
    m_pWidget->update(area.translated(origin.x, origin.y));
}

void CWnd::UpdateWindow() {
    if (!m_pWidget || m_rgnUpdate.isEmpty() || m_bInPaint || !m_pWidget->isVisible())
        return;
    CPoint origin = GetClientOrigin();
    m_pWidget->repaint(m_rgnUpdate.translated(origin.x, origin.y));
}

QImage& CWnd::GetSurface() {
    QSize size(std::max<LONG>(m_sizeClient.cx, 0), std::max<LONG>(m_sizeClient.cy, 0));
    if (m_surface.size() != size) {
        m_surface = QImage(size, QImage::Format_ARGB32_Premultiplied);
        m_surface.fill(Qt::white);
    }
    return m_surface;
}

void CWnd::PresentSurface() {
    if (!m_pWidget || m_bInPaint)
        return;
    m_pWidget->update();
}

// Windows paints in two steps, erasing and painting; then the surface is shown.
// Only an invalid area (InvalidateRect, creation, a new size) is painted; a
// paint that Qt starts on its own (showing, uncovering, a screenshot) or one
// asked for by PresentSurface shows the surface as it is, which holds the
// window's last picture.
void CWnd::Paint(const QRegion&) {
    bool bPaint = !m_rgnUpdate.isEmpty();
    bool bErase = bPaint && m_bErasePending;
    m_rgnUpdate = QRegion();
    m_bErasePending = false;

    QPointer<QWidget> widget = m_pWidget;
    m_bInPaint = true;
    if (bErase)
        SendMessage(WM_ERASEBKGND);
    if (bPaint && widget)
        SendMessage(WM_PAINT);
    if (!widget || FromWidget(widget) != this)
        return;
    m_bInPaint = false;

    QPainter painter(widget);
    if (m_nBorder > 0) {
        // The raised double edge of a dialog frame.
        QRect outer = widget->rect();
        const QColor colors[] = {QColor(192, 192, 192), QColor(255, 255, 255),
                                 QColor(192, 192, 192)};
        const QColor shadows[] = {QColor(64, 64, 64), QColor(128, 128, 128), QColor(192, 192, 192)};
        for (int ring = 0; ring < m_nBorder && ring < 3; ++ring) {
            QRect r = outer.adjusted(ring, ring, -ring - 1, -ring - 1);
            painter.setPen(colors[ring]);
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(shadows[ring]);
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
        }
    }
    if (m_pHorzBar && m_pVertBar && m_pHorzBar->IsShown() && m_pVertBar->IsShown()) {
        int thickness = StandardScrollBar::kThickness;
        painter.fillRect(widget->width() - m_nBorder - thickness,
                         widget->height() - m_nBorder - thickness, thickness, thickness,
                         QColor(192, 192, 192));
    }
    CPoint origin = GetClientOrigin();
    painter.drawImage(origin.x, origin.y, GetSurface());
}

// ---------------------------------------------------------------- capture

// The capture needs no Qt mouse grab: the pressed widget keeps the mouse
// while a button is down, and our widgets hand every mouse event to the
// capture window (WindowWidget).
CWnd* CWnd::SetCapture() {
    CWnd* pOld = s_pCapture;
    s_pCapture = this;
    return pOld;
}

CWnd* CWnd::GetCapture() {
    return s_pCapture;
}

BOOL ReleaseCapture() {
    s_pCapture = nullptr;
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    for (QWidget* widget = QApplication::widgetAt(point.x, point.y); widget;
         widget = widget->parentWidget()) {
        if (CWnd* pWnd = CWnd::FromWidget(widget))
            return pWnd;
        // A frame's caption and border belong to the frame.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(widget))
            if (CWnd* pFrame = CWnd::FromWidget(sub->widget()))
                return pFrame;
    }
    return nullptr;
}

// ---------------------------------------------------------------- scroll bars

StandardScrollBar* CWnd::GetScrollBar(int nBar) const {
    return nBar == SB_HORZ ? m_pHorzBar.get() : nBar == SB_VERT ? m_pVertBar.get() : nullptr;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL) {
    StandardScrollBar* bar = GetScrollBar(nBar);
    return bar ? bar->SetPos(nPos) : 0;
}

int CWnd::GetScrollPos(int nBar) const {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(nBar, &info, SIF_POS) ? info.nPos : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL) {
    if (StandardScrollBar* bar = GetScrollBar(nBar))
        bar->SetRange(nMinPos, nMaxPos);
}

void CWnd::GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(nBar, &info, SIF_RANGE);
    if (lpMinPos)
        *lpMinPos = info.nMin;
    if (lpMaxPos)
        *lpMaxPos = info.nMax;
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL) {
    StandardScrollBar* bar = GetScrollBar(nBar);
    if (!bar || !lpScrollInfo)
        return FALSE;
    bar->SetInfo(*lpScrollInfo);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const {
    StandardScrollBar* bar = GetScrollBar(nBar);
    if (!bar || !lpScrollInfo)
        return FALSE;
    bar->GetInfo(*lpScrollInfo, nMask);
    return TRUE;
}

// ---------------------------------------------------------------- cursors

void CWnd::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CWnd::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

void CWnd::SetFont(const QFont& font, BOOL bRedraw) {
    if (!m_pWidget)
        return;
    m_pWidget->setFont(font);
    if (bRedraw)
        m_pWidget->update();
}
