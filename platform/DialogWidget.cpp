#include "platform/DialogWidget.h"

#include "platform/CDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

CDialog* DialogWidget::Dialog() const {
    return dynamic_cast<CDialog*>(CWnd::FromWidget(this));
}

void DialogWidget::reject() {
    if (CDialog* pDialog = Dialog())
        pDialog->SendCommand(IDCANCEL, BN_CLICKED);
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    CDialog* pDialog = Dialog();
    if (!pDialog) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        // A focused push button takes Enter itself.
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            button && button->window() == this) {
            button->click();
            return;
        }
        pDialog->PressDefaultButton();
        return;
    case Qt::Key_Escape:
        event->accept();
        pDialog->SendCommand(IDCANCEL, BN_CLICKED);
        return;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (CDialog* pDialog = Dialog())
        pDialog->SendMessage(WM_CLOSE);
}

void DialogWidget::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (CDialog* pDialog = Dialog())
        pDialog->SyncClientSize();
}
