#pragma once

#include <QObject>

class QWidget;

// Ends the program the moment its main window has painted for the first
// time, so that start-up can be timed from outside the process
// (CORVANE_EXIT_AT_FIRST_PAINT, scripts/startup-time.sh). The whole paint
// pass is finished first; nothing is shut down.
class FirstPaintExit : public QObject {
    Q_OBJECT
  public:
    explicit FirstPaintExit(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
