#pragma once

#include <QObject>

class CWnd;
class QWidget;

// Ties a window to its Qt widget: the widget answers CWnd::FromWidget, the
// window forgets the widget when Qt destroys it, and a change of the outer
// widget's state (minimised, maximised, restored) gives the window a WM_SIZE.
class WidgetLink : public QObject {
  public:
    WidgetLink(CWnd* pWnd, QWidget* widget, QWidget* outer);
    ~WidgetLink() override;

    static CWnd* FindWnd(const QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CWnd* m_pWnd;
    QWidget* m_pWidget;
};
