#include "platform/ControlAdapter.h"

#include "platform/ButtonAdapter.h"
#include "platform/ComboBoxAdapter.h"
#include "platform/LabelAdapter.h"
#include "platform/LineEditAdapter.h"
#include "platform/ListBoxAdapter.h"
#include "platform/TextEditAdapter.h"

#include <QWidget>

std::unique_ptr<ControlAdapter> ControlAdapter::For(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return std::make_unique<LineEditAdapter>(edit);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return std::make_unique<TextEditAdapter>(edit);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return std::make_unique<ComboBoxAdapter>(combo);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return std::make_unique<ButtonAdapter>(button);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return std::make_unique<LabelAdapter>(label);
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return std::make_unique<ListBoxAdapter>(list);
    return std::make_unique<ControlAdapter>(widget);
}

QString ControlAdapter::GetText() const {
    return m_pWidget->windowTitle();
}

void ControlAdapter::SetText(const QString& text) {
    m_pWidget->setWindowTitle(text);
}
