#pragma once

#include <QObject>

#include <string>

class UndoController;
class QWidget;

// The application-wide event filter that tells the undo controller where the
// author's gestures begin and end: from the first button pressed to the last
// released, from a key's press to its release. Input to a modal dialog
// belongs to the gesture that opened it. A gesture is named by where it
// happened: in a scene view by the buttons held ("Move", "Rotate", "Scale"),
// on the time line ("Time Line Edit", Shift+double-click "Add Key Frame"), a
// drag from the cast list ("Drop Instance"), the Delete key ("Delete").
class GestureWatcher : public QObject {
  public:
    GestureWatcher(UndoController& controller, QObject* parent);

    // The name of a mouse gesture in a window with that title.
    static std::string MouseGestureName(const std::string& title, Qt::MouseButtons held,
                                        bool shiftDoubleClick);

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    void OnMouse(QWidget* receiver, QEvent* event);
    void OnKey(QEvent* event);
    // The title of the MDI child window holding the widget; empty when none.
    static std::string WindowTitleOf(QWidget* widget);

    UndoController& m_controller;
    std::string m_strTitle;
    Qt::MouseButtons m_held;
};
