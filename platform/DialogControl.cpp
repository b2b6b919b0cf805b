#include "platform/DialogControl.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kIdProperty = "corvaneControlId";
constexpr const char* kStyleProperty = "corvaneControlStyle";
} // namespace

namespace DialogControl {

void Tag(QWidget* control, int nID, DWORD dwStyle) {
    control->setProperty(kIdProperty, nID);
    control->setProperty(kStyleProperty, static_cast<uint>(dwStyle));
}

bool IsControl(const QWidget* widget) {
    return widget && widget->property(kIdProperty).isValid();
}

int IdOf(const QWidget* control) {
    return control->property(kIdProperty).toInt();
}

DWORD StyleOf(const QWidget* control) {
    return control->property(kStyleProperty).toUInt();
}

QWidget* Find(const QWidget* dialog, int nID) {
    if (!dialog)
        return nullptr;
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (IsControl(child) && IdOf(child) == nID)
            return child;
    return nullptr;
}

} // namespace DialogControl
