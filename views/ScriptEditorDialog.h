#pragma once

#include "host/PropertyHolder.h"
#include "host/PropertyHolderScript.h"

#include "framework/Pointer.h"
#include "framework/String.h"
#include "platform/CComboBox.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"

#include <vector>

class CFont;

// Shows the scripts of script property holders in a multi-line editor, one
// script at a time, chosen by name. A script is stored when another one is
// chosen and on "Close"; Esc leaves the one being edited as it was.
class ScriptEditorDialog : public CDialog {
  public:
    explicit ScriptEditorDialog(CWnd* pParent = nullptr);

    // Filled by the opener before DoModal. With an error line (1-based; 0 for
    // none), only the scripts named m_strScriptName (ignoring case) are
    // offered, and that line of the script shown is selected.
    int m_nErrorLine = 0;
    String m_strScriptName;
    std::vector<Pointer<PropertyHolderScript>> m_scriptHolders;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnSize(UINT nType, int cx, int cy) override;

    void OnSelchangeScript();

  private:
    // The holder and full script name whose first line is the display name;
    // false when none has it.
    bool FindScript(const String& displayName, Pointer<PropertyHolder>& holder, String& name) const;
    void StoreScript();
    // Keeps the dialog at least as large as it opened and stretches the
    // editor over the client area with equal margins.
    void FitToClientSize(int cx, int cy);

    int m_nCurrentIndex = -1;
    CFont* m_pEditorFont;
    CSize m_sizeMinClient;
    CSize m_sizeInitialWindow;
    bool m_bFirstSize = true;
    CEdit m_editScript;
    CComboBox m_comboScripts;
};
