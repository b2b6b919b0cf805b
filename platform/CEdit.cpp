#include "platform/CEdit.h"

#include "platform/EditAdapter.h"

// A window that is no edit control has one empty line and no selection.

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    if (auto edit = EditAdapter::For(GetWidget()))
        edit->SetSel(nStartChar, nEndChar, bNoScroll != FALSE);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    nStartChar = nEndChar = 0;
    if (auto edit = EditAdapter::For(GetWidget()))
        edit->GetSel(nStartChar, nEndChar);
}

int CEdit::GetLineCount() const {
    auto edit = EditAdapter::For(GetWidget());
    return edit ? edit->GetLineCount() : 1;
}

int CEdit::LineIndex(int nLine) const {
    if (nLine < 0)
        nLine = LineFromChar(-1);
    auto edit = EditAdapter::For(GetWidget());
    if (edit)
        return edit->LineIndex(nLine);
    return nLine == 0 ? 0 : -1;
}

int CEdit::LineLength(int nLine) const {
    auto edit = EditAdapter::For(GetWidget());
    return edit ? edit->LineLength(nLine) : 0;
}

int CEdit::LineFromChar(int nIndex) const {
    auto edit = EditAdapter::For(GetWidget());
    return edit ? edit->LineFromChar(nIndex) : 0;
}
