#include "platform/ComboBoxAdapter.h"

#include <QSignalBlocker>

QString ComboBoxAdapter::GetText() const {
    return m_pCombo->currentIndex() >= 0 ? m_pCombo->currentText() : QString();
}

void ComboBoxAdapter::SetText(const QString& text) {
    int index = m_pCombo->findText(text, Qt::MatchFixedString);
    if (index >= 0) {
        QSignalBlocker blocker(m_pCombo);
        m_pCombo->setCurrentIndex(index);
    }
}

bool ComboBoxAdapter::Select(const QString& text) {
    int index = m_pCombo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    m_pCombo->setCurrentIndex(index);
    emit m_pCombo->activated(index);
    return true;
}
