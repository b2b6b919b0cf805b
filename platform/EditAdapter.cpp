#include "platform/EditAdapter.h"

#include "platform/LineEditAdapter.h"
#include "platform/TextEditAdapter.h"

std::unique_ptr<EditAdapter> EditAdapter::For(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return std::make_unique<LineEditAdapter>(edit);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return std::make_unique<TextEditAdapter>(edit);
    return nullptr;
}
