#pragma once

#include <QDialog>

class CDialog;

// The Qt dialog of a CDialog. Enter, Esc, closing and size changes become the
// dialog's commands and messages, the Windows way: Enter presses the default
// push button, Esc and closing send IDCANCEL.
class DialogWidget : public QDialog {
  public:
    explicit DialogWidget(QWidget* parent) : QDialog(parent) {}

    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    CDialog* Dialog() const;
};
