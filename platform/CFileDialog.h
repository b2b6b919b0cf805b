#pragma once

#include "framework/String.h"
#include "platform/WinTypes.h"

class CWnd;

// The common open and save dialogs in MFC's manner. The filter is MFC's:
// "Description|*.a;*.b|...||". The path chosen is absolute; `\` in it means
// `/`. The default extension is appended to a name that has none.
// OFN_FILEMUSTEXIST refuses a missing file (open), OFN_OVERWRITEPROMPT asks
// before an existing file is replaced (save), both with a message box.
//
// DoModal takes a queued Automation file answer when one waits (showing
// nothing but those message boxes), is cancelled in session mode without
// one, and otherwise is a modal Qt file dialog.
class CFileDialog {
  public:
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();

    String GetPathName() const { return m_strPathName; }
    // The name without its folder, and the text after its last dot.
    String GetFileName() const;
    String GetFileExt() const;

  private:
    INT_PTR Accept(String path);
    INT_PTR AskPerson();

    BOOL m_bOpenFileDialog;
    String m_strDefExt;
    String m_strFileName;
    DWORD m_dwFlags;
    String m_strFilter;
    CWnd* m_pParentWnd;
    String m_strPathName;
};
