#pragma once

#include "platform/CWnd.h"

// An edit control of a dialog: a Qt line edit, or a plain-text edit with
// ES_MULTILINE. Character indexes count a line break as one character, the
// same in the window text and in the selection.
class CEdit : public CWnd {
  public:
    // nStartChar -1 removes the selection; nEndChar -1 means the end of the
    // text. Unless bNoScroll, the caret is scrolled into view.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    int GetLineCount() const;
    // The index of the first character of a line (-1: the caret's line); -1
    // when there is no such line.
    int LineIndex(int nLine = -1) const;
    // The length of the line that holds the character index (-1: the caret's
    // line).
    int LineLength(int nLine = -1) const;
    int LineFromChar(int nIndex = -1) const;
};
