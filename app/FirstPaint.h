#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs an action once, the moment a window has painted for the first time:
// the whole paint pass is finished first.
class FirstPaint : public QObject {
    Q_OBJECT
  public:
    FirstPaint(QWidget* window, std::function<void()> action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> m_action;
};
