#pragma once

#include "platform/WinTypes.h"

#include <QObject>

#include <functional>

class QKeyEvent;

// The application-wide event filter: it notes the keyboard and mouse state of
// every input event, and offers each key press and release, as a MSG, to the
// key message hook before any widget sees it; then, as a Windows message loop
// does, Ctrl+F4 closes the MDI child frame that has the focus.
class KeyMessageFilter : public QObject {
  public:
    explicit KeyMessageFilter(QObject* parent) : QObject(parent) {}

    static void SetHook(std::function<bool(MSG&)> hook);

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    bool OfferKey(QObject* receiver, QKeyEvent* event);
    static bool TranslateMDISysAccel(const MSG& msg);

    // The key event being delivered after the hook declined it; its further
    // deliveries (to the focus widget and its parents) are not offered again.
    QKeyEvent* m_pDelivering = nullptr;
};
