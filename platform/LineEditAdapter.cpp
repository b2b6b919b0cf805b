#include "platform/LineEditAdapter.h"

#include <algorithm>

bool LineEditAdapter::Type(const QString& text) {
    m_pEdit->setText(text);
    return true;
}

// A single-line edit has nothing to scroll to.
void LineEditAdapter::SetSel(int nStartChar, int nEndChar, bool) {
    int length = static_cast<int>(m_pEdit->text().size());
    if (nStartChar < 0) {
        m_pEdit->deselect();
        return;
    }
    int end = nEndChar < 0 ? length : std::min(nEndChar, length);
    int start = std::min(nStartChar, length);
    m_pEdit->setSelection(start, end - start);
}

void LineEditAdapter::GetSel(int& nStartChar, int& nEndChar) const {
    const bool selected = m_pEdit->hasSelectedText();
    nStartChar = selected ? m_pEdit->selectionStart() : m_pEdit->cursorPosition();
    nEndChar = selected ? m_pEdit->selectionEnd() : m_pEdit->cursorPosition();
}
