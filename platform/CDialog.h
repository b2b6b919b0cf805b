#pragma once

#include "platform/Automation.h"
#include "platform/CWnd.h"
#include "platform/DialogTemplate.h"

#include <QRect>

#include <memory>
#include <vector>

class CDataExchange;

// A modal dialog built from a registered dialog template (DialogTemplate.h):
// its controls are real Qt controls, reached through GetDlgItem as CWnd
// objects (CButton, CEdit, CListBox, CComboBox; statics as plain CWnd).
// Control notifications arrive as WM_COMMAND (id in the low word, code in the
// high word, the control in lParam) at OnCommand, which sends IDOK and
// IDCANCEL on to OnOK and OnCancel. Enter presses the default push button
// (IDOK when there is none), Esc and closing the window cancel.
//
// DoModal takes a prepared answer from Automation when one is queued: the
// dialog is created and initialised without being shown, the answer's
// actions are applied to its controls as a person would, and it is closed
// with OK or Cancel. In session mode without an answer it is cancelled
// without being created. Every dialog shown is recorded in Automation, with
// its controls as they were when it was answered or closed.
class CDialog : public CWnd {
  public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the template is not
    // registered.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // The control with that id, null when there is none.
    CWnd* GetDlgItem(int nID) const;
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  protected:
    // The default runs UpdateData(FALSE) and returns TRUE.
    virtual BOOL OnInitDialog();
    // The default runs UpdateData(TRUE) and ends the dialog with IDOK.
    virtual void OnOK();
    // The default ends the dialog with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ReleaseWidgets() override;

  private:
    friend class DialogWidget;

    BOOL CreateFromTemplate(const DialogTemplate& dialogTemplate);
    // rect: the control's place in pixels.
    void CreateControl(const DialogItemTemplate& item, QRect rect);
    INT_PTR RunAnswered(const Automation::DialogAnswer& answer);
    void ApplyAction(const Automation::DialogAction& action);
    void PressDefaultButton();
    void SendCommand(int nID, WORD nCode);
    // Writes the controls' state into this dialog's Automation record.
    void RecordControls();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    std::vector<std::unique_ptr<CWnd>> m_controls;
    int m_nModalResult = IDCANCEL;
    bool m_bEnded = false;
    bool m_bRunning = false;
    size_t m_nRecord = 0;
    bool m_bRecorded = false;
};
