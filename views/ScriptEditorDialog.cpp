#include "views/ScriptEditorDialog.h"

#include "res/EditorDialogIds.h"

#include "platform/CDataExchange.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/StockObjects.h"

#include <strings.h>

namespace {
// A script's display name: its name up to the first line feed.
String FirstLine(const String& name) {
    const std::string& text = name.str();
    return String(text.substr(0, text.find('\n')));
}
} // namespace

ScriptEditorDialog::ScriptEditorDialog(CWnd* pParent)
    : CDialog(IDD_SCRIPT_EDITOR, pParent),
      m_pEditorFont(static_cast<CFont*>(GetStockObject(ANSI_FIXED_FONT))) {}

void ScriptEditorDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SCRIPT_TEXT, m_editScript);
    DDX_Control(pDX, IDC_SCRIPT_NAMES, m_comboScripts);
}

BOOL ScriptEditorDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CRect client, window;
    GetClientRect(&client);
    GetWindowRect(&window);
    m_sizeMinClient = CSize(client.Width(), client.Height());
    m_sizeInitialWindow = CSize(window.Width(), window.Height());

    for (const auto& holder : m_scriptHolders)
        for (const String& name : holder->GetScriptNames()) {
            String displayName = FirstLine(name);
            if (m_nErrorLine == 0 || strcasecmp(displayName, m_strScriptName) == 0)
                m_comboScripts.AddString(displayName);
        }

    m_editScript.SetFont(m_pEditorFont->GetQFont());
    m_nCurrentIndex = -1;
    m_comboScripts.SetCurSel(0);
    OnSelchangeScript();
    ShowWindow(SW_SHOW);
    UpdateWindow();

    if (m_nErrorLine > 0 && m_nErrorLine <= m_editScript.GetLineCount()) {
        int nStart = m_editScript.LineIndex(m_nErrorLine - 1);
        m_editScript.SetSel(nStart, nStart + m_editScript.LineLength(nStart));
    }
    // No focus is set, so that the selected line stays visible.
    return FALSE;
}

BOOL ScriptEditorDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_SCRIPT_NAMES && HIWORD(wParam) == CBN_SELCHANGE) {
        OnSelchangeScript();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void ScriptEditorDialog::OnSelchangeScript() {
    if (m_nCurrentIndex != -1)
        StoreScript();
    m_nCurrentIndex = m_comboScripts.GetCurSel();
    if (m_nCurrentIndex == CB_ERR) {
        m_editScript.SetWindowText("");
        m_editScript.EnableWindow(FALSE);
        return;
    }
    String displayName, name, source;
    Pointer<PropertyHolder> holder;
    m_comboScripts.GetLBText(m_nCurrentIndex, displayName);
    if (FindScript(displayName, holder, name))
        holder->GetPropertyValue(name, source);
    m_editScript.SetWindowText(source);
}

bool ScriptEditorDialog::FindScript(const String& displayName, Pointer<PropertyHolder>& holder,
                                    String& name) const {
    for (const auto& scriptHolder : m_scriptHolders)
        for (const String& scriptName : scriptHolder->GetScriptNames())
            if (FirstLine(scriptName) == displayName) {
                holder = scriptHolder.As<PropertyHolder>("PropertyHolder");
                name = scriptName;
                return holder.Get() != nullptr;
            }
    return false;
}

void ScriptEditorDialog::StoreScript() {
    String displayName, name, source;
    Pointer<PropertyHolder> holder;
    m_comboScripts.GetLBText(m_nCurrentIndex, displayName);
    m_editScript.GetWindowText(source);
    if (FindScript(displayName, holder, name))
        holder->SetPropertyValue(name, source);
}

void ScriptEditorDialog::OnOK() {
    if (m_nCurrentIndex != -1)
        StoreScript();
    CDialog::OnOK();
}

void ScriptEditorDialog::OnSize(UINT nType, int cx, int cy) {
    CDialog::OnSize(nType, cx, cy);
    // The first size message arrives while the dialog is being created,
    // before there is an opening size to keep.
    if (m_bFirstSize) {
        m_bFirstSize = false;
        return;
    }
    FitToClientSize(cx, cy);
}

void ScriptEditorDialog::FitToClientSize(int cx, int cy) {
    if (!m_editScript.GetSafeHwnd())
        return;
    CRect window;
    GetWindowRect(&window);
    bool bNarrow = cx < m_sizeMinClient.cx;
    bool bLow = cy < m_sizeMinClient.cy;
    if (bNarrow && bLow) {
        MoveWindow(window.left, window.top, m_sizeInitialWindow.cx, m_sizeInitialWindow.cy);
        FitToClientSize(m_sizeMinClient.cx, m_sizeMinClient.cy);
    } else if (bNarrow) {
        MoveWindow(window.left, window.top, m_sizeInitialWindow.cx, window.Height());
        FitToClientSize(m_sizeMinClient.cx, cy);
    } else if (bLow) {
        MoveWindow(window.left, window.top, window.Width(), m_sizeInitialWindow.cy);
        FitToClientSize(cx, m_sizeMinClient.cy);
    } else {
        CRect edit;
        m_editScript.GetWindowRect(&edit);
        ScreenToClient(&edit);
        m_editScript.MoveWindow(edit.left, edit.top, cx - 2 * edit.left, cy - edit.left - edit.top);
    }
}
