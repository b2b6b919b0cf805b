#include "platform/MainFrameWidget.h"

#include "platform/CWnd.h"

#include <QCloseEvent>

void MainFrameWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (CWnd* pWnd = CWnd::FromWidget(this))
        pWnd->SendMessage(WM_CLOSE);
}

void MainFrameWidget::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (CWnd* pWnd = CWnd::FromWidget(this))
        pWnd->SyncClientSize();
}
