#include "platform/CMDIChildWnd.h"

#include "platform/CMDIFrameWnd.h"
#include "platform/IconResource.h"
#include "platform/WindowWidget.h"

#include <QAction>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <algorithm>

namespace {
// A new child frame's client area, as a share of the MDI area, but never
// smaller than this.
constexpr int kMinimumDefaultWidth = 400;
constexpr int kMinimumDefaultHeight = 300;

QRect g_nextPlacement;
} // namespace

void CMDIChildWnd::SetNextPlacement(const QRect& rect) {
    g_nextPlacement = rect;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             void* pContext) {
    auto* pMain = dynamic_cast<CMDIFrameWnd*>(pParentWnd ? pParentWnd : AfxGetMainWnd());
    if (GetSafeHwnd() || !pMain || !pMain->GetMDIArea())
        return FALSE;
    QMdiArea* area = pMain->GetMDIArea();
    ModifyStyle(~0u, dwDefaultStyle | WS_CHILD);

    auto* widget = new WindowWidget(nullptr);
    QSize areaSize = area->viewport()->size();
    widget->resize(std::max(areaSize.width() * 3 / 4, kMinimumDefaultWidth),
                   std::max(areaSize.height() * 3 / 4, kMinimumDefaultHeight));
    QMdiSubWindow* sub = area->addSubWindow(widget);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    // The frame resource names the frame's icon; without one the
    // application's icon is shown.
    if (QIcon icon = LoadIconResource(nIDResource); !icon.isNull())
        sub->setWindowIcon(icon);
    // Qt binds keys such as Ctrl+W to the sub-window's system menu; in
    // Windows every key reaches the application's accelerators first.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcuts({});
    sub->hide();
    sub->adjustSize();
    if (!g_nextPlacement.isNull()) {
        // The sub-window lays its widget out only when shown: size the
        // client area so that the frame around it fills the rectangle.
        widget->resize(g_nextPlacement.size() - (sub->size() - widget->size()));
        sub->adjustSize();
        sub->move(g_nextPlacement.topLeft());
        g_nextPlacement = QRect();
    }
    AttachWidget(widget, sub);
    CreateStandardScrollBars();
    return FinishCreate(nullptr, nullptr, pMain, pContext);
}

QMdiSubWindow* CMDIChildWnd::GetSubWindow() const {
    return qobject_cast<QMdiSubWindow*>(GetOuterWidget());
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    QMdiSubWindow* sub = GetSubWindow();
    if (!sub)
        return;
    if (nCmdShow == -1) {
        if (!sub->isVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (sub->isMinimized())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::MDIActivate() {
    QMdiSubWindow* sub = GetSubWindow();
    if (!sub)
        return;
    sub->raise();
    if (QMdiArea* area = sub->mdiArea())
        area->setActiveSubWindow(sub);
}

void CMDIChildWnd::ReleaseWidgets() {
    QMdiSubWindow* sub = GetSubWindow();
    if (sub && sub->mdiArea())
        sub->mdiArea()->removeSubWindow(sub);
    CFrameWnd::ReleaseWidgets();
}
