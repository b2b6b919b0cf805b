#pragma once

#include "platform/CWnd.h"

// A drop-down list of a dialog: a Qt combo box that cannot be edited. With
// CBS_SORT, entries are kept in case-insensitive order. Adding an entry
// selects nothing; a selection by the user sends CBN_SELCHANGE, one made here
// does not.
class CComboBox : public CWnd {
  public:
    int AddString(LPCSTR lpszString);
    int GetCount() const;
    // CB_ERR when nothing is selected.
    int GetCurSel() const;
    // -1 removes the selection; returns CB_ERR then and for a bad index.
    int SetCurSel(int nSelect);
    void GetLBText(int nIndex, String& rString) const;
};
