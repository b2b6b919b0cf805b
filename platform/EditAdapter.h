#pragma once

#include "platform/ControlAdapter.h"

// An edit control, single-line or multi-line: its selection and its lines.
// Character indexes count a line break as one character.
class EditAdapter : public ControlAdapter {
  public:
    // Null for a widget that is no edit control, or no widget.
    static std::unique_ptr<EditAdapter> For(QWidget* widget);

    using ControlAdapter::ControlAdapter;

    // nStartChar -1 removes the selection; nEndChar -1 means the end of the
    // text. Unless bNoScroll, the caret is scrolled into view.
    virtual void SetSel(int nStartChar, int nEndChar, bool bNoScroll) = 0;
    virtual void GetSel(int& nStartChar, int& nEndChar) const = 0;
    virtual int GetLineCount() const = 0;
    // The index of the first character of a line, or -1 when there is none.
    virtual int LineIndex(int nLine) const = 0;
    // For the line that holds the character index (-1: the caret's line).
    virtual int LineLength(int nIndex) const = 0;
    virtual int LineFromChar(int nIndex) const = 0;
};
