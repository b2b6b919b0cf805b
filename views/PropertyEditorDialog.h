#pragma once

#include "host/HasProperties.h"

#include "framework/Pointer.h"
#include "platform/CButton.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"

// Lists the properties of an instance or a key frame and edits one value at
// a time. A value is stored at every change of the edit text: there is no
// apply step and no undo, and "Close" only closes.
class PropertyEditorDialog : public CDialog {
  public:
    explicit PropertyEditorDialog(CWnd* pParent = nullptr);

    // Takes the object whose properties are edited. 1 when it has properties
    // to show (the caller then runs the dialog), 2 otherwise; an object with
    // scripts and no properties has its script editor opened at once.
    int SetPropertyHolder(Pointer<HasProperties> holder);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnSelchangeList();
    void OnChangeValue();
    void OnScripts();

  private:
    CButton m_btnScripts;
    CEdit m_editValue;
    CListBox m_listProperties;
    Pointer<HasProperties> m_pHolder;
};
