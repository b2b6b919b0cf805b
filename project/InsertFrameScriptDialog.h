#pragma once

#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"

// Asks for the frame of a new frame script (dialog resource 101). OK is
// enabled only while the box holds a frame number of 1 or more.
class InsertFrameScriptDialog : public CDialog {
  public:
    enum { IDD = 101 };

    explicit InsertFrameScriptDialog(CWnd* pParentWnd = nullptr);

    // The frame number last read from the box; valid after IDOK.
    int m_nFrame = 0;
    CButton m_btnOK;
    CEdit m_editFrame;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  private:
    void OnChangeFrame();
};
