#pragma once

#include <QWidget>

class CWnd;

// The Qt widget of a plain window: it turns Qt's paint, size, mouse, key,
// focus and close events into the window's messages. Its top-left part inside
// the border is the client area; scroll bars and the border are drawn around
// it.
class WindowWidget : public QWidget {
  public:
    explicit WindowWidget(QWidget* parent);

    QSize sizeHint() const override { return size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Tab is a key like any other for a window.
    bool focusNextPrevChild(bool) override { return false; }

  private:
    CWnd* Wnd() const;
    void RouteMouse(QMouseEvent* event, int kind);
    void RouteKey(QKeyEvent* event, bool down);
};
