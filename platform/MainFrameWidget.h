#pragma once

#include <QMainWindow>

// The Qt main window of the application's main frame: closing it is the
// frame's WM_CLOSE, and its size changes are the frame's WM_SIZE.
class MainFrameWidget : public QMainWindow {
  public:
    MainFrameWidget() = default;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
