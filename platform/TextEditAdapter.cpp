#include "platform/TextEditAdapter.h"

#include <QSignalBlocker>
#include <QTextBlock>

#include <algorithm>

void TextEditAdapter::SetText(const QString& text) {
    QSignalBlocker blocker(m_pEdit);
    m_pEdit->setPlainText(text);
}

bool TextEditAdapter::Type(const QString& text) {
    m_pEdit->setPlainText(text);
    return true;
}

void TextEditAdapter::SetSel(int nStartChar, int nEndChar, bool bNoScroll) {
    QTextCursor cursor = m_pEdit->textCursor();
    int length = m_pEdit->document()->characterCount() - 1;
    if (nStartChar < 0) {
        cursor.clearSelection();
    } else {
        cursor.setPosition(std::min(nStartChar, length));
        cursor.setPosition(nEndChar < 0 ? length : std::min(nEndChar, length),
                           QTextCursor::KeepAnchor);
    }
    m_pEdit->setTextCursor(cursor);
    if (!bNoScroll)
        m_pEdit->ensureCursorVisible();
}

void TextEditAdapter::GetSel(int& nStartChar, int& nEndChar) const {
    nStartChar = m_pEdit->textCursor().selectionStart();
    nEndChar = m_pEdit->textCursor().selectionEnd();
}

int TextEditAdapter::GetLineCount() const {
    return m_pEdit->document()->blockCount();
}

int TextEditAdapter::LineIndex(int nLine) const {
    QTextBlock block = m_pEdit->document()->findBlockByNumber(nLine);
    return block.isValid() ? block.position() : -1;
}

int TextEditAdapter::LineLength(int nIndex) const {
    QTextBlock block = m_pEdit->document()->findBlock(nIndex < 0 ? CaretPosition() : nIndex);
    return block.isValid() ? block.length() - 1 : 0;
}

int TextEditAdapter::LineFromChar(int nIndex) const {
    QTextBlock block = m_pEdit->document()->findBlock(nIndex < 0 ? CaretPosition() : nIndex);
    return block.isValid() ? block.blockNumber() : m_pEdit->document()->blockCount() - 1;
}

int TextEditAdapter::CaretPosition() const {
    return m_pEdit->textCursor().position();
}
