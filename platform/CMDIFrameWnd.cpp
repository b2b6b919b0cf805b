#include "platform/CMDIFrameWnd.h"

#include "platform/CMDIChildWnd.h"
#include "platform/MainFrameWidget.h"
#include "platform/MenuHandle.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace {
// The size a new main window gets (Windows chooses one with CW_USEDEFAULT).
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;
} // namespace

BOOL CMDIFrameWnd::LoadFrame(UINT, DWORD dwDefaultStyle, CWnd* pParentWnd, void* pContext) {
    if (GetSafeHwnd() || !QCoreApplication::instance())
        return FALSE;
    auto* window = new MainFrameWidget;
    m_pArea = new QMdiArea(window);
    window->setCentralWidget(m_pArea);
    window->setStatusBar(new QStatusBar(window));
    m_hMenu = MenuHandle::Create(window->menuBar(), this);
    window->resize(kDefaultWidth, kDefaultHeight);
    ModifyStyle(~0u, dwDefaultStyle & ~WS_VISIBLE);
    AttachWidget(window, window);
    m_bMainWindow = !AfxGetMainWnd();
    if (m_bMainWindow)
        SetMainWindow(this);
    return FinishCreate(nullptr, nullptr, pParentWnd, pContext);
}

void CMDIFrameWnd::ActivateFrame(int nCmdShow) {
    QWidget* window = GetWidget();
    if (!window)
        return;
    if (nCmdShow == -1)
        nCmdShow = !window->isVisible()    ? SW_SHOWNORMAL
                   : window->isMinimized() ? SW_RESTORE
                                           : SW_SHOW;
    ShowWindow(nCmdShow);
    window->raise();
    window->activateWindow();
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    if (!m_pArea)
        return nullptr;
    QMdiSubWindow* sub = m_pArea->currentSubWindow();
    return sub ? dynamic_cast<CMDIChildWnd*>(FromWidget(sub->widget())) : nullptr;
}

void CMDIFrameWnd::SetMessageText(LPCSTR lpszText) {
    if (QStatusBar* bar = GetStatusBar())
        bar->showMessage(QString::fromUtf8(lpszText ? lpszText : ""));
}

QMainWindow* CMDIFrameWnd::GetMainWindow() const {
    return qobject_cast<QMainWindow*>(GetWidget());
}

QStatusBar* CMDIFrameWnd::GetStatusBar() const {
    QMainWindow* window = GetMainWindow();
    return window ? window->statusBar() : nullptr;
}

void CMDIFrameWnd::ReleaseWidgets() {
    if (MenuHandle* handle = MenuHandle::Valid(m_hMenu))
        handle->pOwner = nullptr;
    m_hMenu = nullptr;
    m_pArea = nullptr;
    CFrameWnd::ReleaseWidgets();
}

void CMDIFrameWnd::PostNcDestroy() {
    // As in an MFC application, the end of the main window ends the message
    // loop.
    if (m_bMainWindow)
        QCoreApplication::quit();
    CFrameWnd::PostNcDestroy();
}
