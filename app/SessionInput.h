#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Real keyboard and mouse input for a scripted session. Mouse events enter
// through the top-level window as a person's do, so that Qt picks the widget
// under the point and mouse capture and double-click detection apply; key
// events pass the application's event filters (the accelerator hook) before
// the target widget sees them.
class SessionInput {
  public:
    // Presses and releases a key with its modifiers, each modifier pressed
    // before the key and released after it.
    void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers);

    // point is in client coordinates of widget.
    void Press(QWidget* widget, QPoint point, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers);
    void Release(QWidget* widget, QPoint point, Qt::MouseButton button,
                 Qt::KeyboardModifiers modifiers);
    // Press, release, double click, release, as a quick second click gives.
    void DoubleClick(QWidget* widget, QPoint point, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers);
    // Moves with the buttons held down at the moment.
    void Move(QWidget* widget, QPoint point, Qt::KeyboardModifiers modifiers);

  private:
    void Send(QWidget* widget, QPoint point, Qt::MouseButton button, int type,
              Qt::KeyboardModifiers modifiers);

    Qt::MouseButtons m_buttons;
    int m_nTimestamp = 0;
};
