#include "platform/CEdit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

namespace {
int CaretPosition(const QWidget* widget) {
    if (auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->cursorPosition();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return text->textCursor().position();
    return 0;
}
} // namespace

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    QWidget* widget = GetWidget();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        int length = static_cast<int>(line->text().size());
        if (nStartChar < 0) {
            line->deselect();
            return;
        }
        int end = nEndChar < 0 ? length : std::min(nEndChar, length);
        int start = std::min(nStartChar, length);
        line->setSelection(start, end - start);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        QTextCursor cursor = text->textCursor();
        int length = text->document()->characterCount() - 1;
        if (nStartChar < 0) {
            cursor.clearSelection();
        } else {
            cursor.setPosition(std::min(nStartChar, length));
            cursor.setPosition(nEndChar < 0 ? length : std::min(nEndChar, length),
                               QTextCursor::KeepAnchor);
        }
        text->setTextCursor(cursor);
        if (!bNoScroll)
            text->ensureCursorVisible();
    }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    nStartChar = nEndChar = 0;
    QWidget* widget = GetWidget();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        nStartChar = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        nEndChar = line->hasSelectedText() ? line->selectionEnd() : line->cursorPosition();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        nStartChar = text->textCursor().selectionStart();
        nEndChar = text->textCursor().selectionEnd();
    }
}

int CEdit::GetLineCount() const {
    if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget()))
        return text->document()->blockCount();
    return 1;
}

int CEdit::LineIndex(int nLine) const {
    if (nLine < 0)
        nLine = LineFromChar(-1);
    if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget())) {
        QTextBlock block = text->document()->findBlockByNumber(nLine);
        return block.isValid() ? block.position() : -1;
    }
    return nLine == 0 ? 0 : -1;
}

int CEdit::LineLength(int nLine) const {
    QWidget* widget = GetWidget();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        int index = nLine < 0 ? CaretPosition(widget) : nLine;
        QTextBlock block = text->document()->findBlock(index);
        return block.isValid() ? block.length() - 1 : 0;
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return static_cast<int>(line->text().size());
    return 0;
}

int CEdit::LineFromChar(int nIndex) const {
    QWidget* widget = GetWidget();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        int index = nIndex < 0 ? CaretPosition(widget) : nIndex;
        QTextBlock block = text->document()->findBlock(index);
        return block.isValid() ? block.blockNumber() : text->document()->blockCount() - 1;
    }
    return 0;
}
