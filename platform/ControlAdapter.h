#pragma once

#include <QString>

#include <memory>

class QWidget;

// What the window layer does to a Qt control through one interface, whatever
// its kind: its window text, and what a person does to it in a prepared
// dialog answer. Each kind of control has its adapter; a widget of no known
// kind is a plain window whose text is its title.
class ControlAdapter {
  public:
    // The adapter of the widget's kind; widget must not be null.
    static std::unique_ptr<ControlAdapter> For(QWidget* widget);

    explicit ControlAdapter(QWidget* widget) : m_pWidget(widget) {}
    virtual ~ControlAdapter() = default;

    virtual QString GetText() const;
    // Text set by the program.
    virtual void SetText(const QString& text);

    // Each is false when a control of this kind cannot do it. Typing replaces
    // an edit's text and notifies, as a person's typing does.
    virtual bool Type(const QString&) { return false; }
    // Chooses the entry with exactly that text (letter case counts), as a
    // person's click on it does; false when there is none.
    virtual bool Select(const QString&) { return false; }
    virtual bool Click() { return false; }

  private:
    QWidget* m_pWidget;
};
