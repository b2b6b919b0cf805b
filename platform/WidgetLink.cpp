#include "platform/WidgetLink.h"

#include "platform/CWnd.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kWndProperty = "corvaneWnd";
}

WidgetLink::WidgetLink(CWnd* pWnd, QWidget* widget, QWidget* outer)
    : m_pWnd(pWnd), m_pWidget(widget) {
    outer->installEventFilter(this);
    widget->setProperty(kWndProperty, QVariant::fromValue(reinterpret_cast<quintptr>(pWnd)));
    connect(widget, &QObject::destroyed, this, [this] {
        m_pWidget = nullptr;
        m_pWnd->OnWidgetDestroyed();
    });
}

WidgetLink::~WidgetLink() {
    if (m_pWidget)
        m_pWidget->setProperty(kWndProperty, QVariant());
}

bool WidgetLink::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && m_pWidget)
        m_pWnd->SyncClientSize();
    return false;
}

CWnd* WidgetLink::FindWnd(const QWidget* widget) {
    if (!widget)
        return nullptr;
    QVariant value = widget->property(kWndProperty);
    return value.isValid() ? reinterpret_cast<CWnd*>(value.value<quintptr>()) : nullptr;
}
