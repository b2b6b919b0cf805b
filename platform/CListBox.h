#pragma once

#include "platform/CWnd.h"

// A list box of a dialog: a Qt list widget with single selection. With
// LBS_SORT, entries are kept in case-insensitive order. A selection change by
// the user sends LBN_SELCHANGE (with LBS_NOTIFY); one made here does not.
class CListBox : public CWnd {
  public:
    // The index of the new entry; LB_ERR without a list.
    int AddString(LPCSTR lpszItem);
    int GetCount() const;
    // LB_ERR when nothing is selected.
    int GetCurSel() const;
    // -1 removes the selection; returns LB_ERR then and for a bad index.
    int SetCurSel(int nSelect);
    void GetText(int nIndex, String& rString) const;
};
