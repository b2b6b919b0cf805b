#include "views/PropertyEditorDialog.h"

#include "res/EditorDialogIds.h"
#include "views/ScriptEditorDialog.h"

#include "host/PropertyHolderScript.h"
#include "platform/CDataExchange.h"

#include <string_view>

namespace {
// The model's own bookkeeping holders are never shown.
bool IsHidden(const Pointer<PropertyHolder>& holder) {
    String type;
    return holder->GetPropertyValue("Type", type) && type == "Accum";
}

String Trimmed(const String& text) {
    constexpr std::string_view kSpace = " \t\r\n\v\f";
    const std::string& value = text.str();
    size_t first = value.find_first_not_of(kSpace);
    if (first == std::string::npos)
        return String();
    return String(value.substr(first, value.find_last_not_of(kSpace) - first + 1));
}
} // namespace

PropertyEditorDialog::PropertyEditorDialog(CWnd* pParent) : CDialog(IDD_PROPERTY_EDITOR, pParent) {}

int PropertyEditorDialog::SetPropertyHolder(Pointer<HasProperties> holder) {
    m_pHolder = std::move(holder);
    if (!m_pHolder)
        return 2;
    bool bHasProperties = false;
    bool bHasScripts = false;
    for (const auto& propertyHolder : m_pHolder->GetHolders()) {
        if (IsHidden(propertyHolder))
            continue;
        if (propertyHolder->GetPropertyNames().GetCount() > 0)
            bHasProperties = true;
        if (propertyHolder.As<PropertyHolderScript>("PropertyHolderScript"))
            bHasScripts = true;
    }
    if (bHasScripts && !bHasProperties)
        OnScripts();
    return bHasProperties ? 1 : 2;
}

void PropertyEditorDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SCRIPTS, m_btnScripts);
    DDX_Control(pDX, IDC_PROPERTY_VALUE, m_editValue);
    DDX_Control(pDX, IDC_PROPERTY_LIST, m_listProperties);
}

BOOL PropertyEditorDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    bool bHasScripts = false;
    // Run without an object, the dialog shows an empty list.
    static const PropertyHolderList s_none;
    for (const auto& holder : m_pHolder ? m_pHolder->GetHolders() : s_none) {
        if (IsHidden(holder))
            continue;
        for (const String& name : holder->GetPropertyNames())
            m_listProperties.AddString(name);
        if (holder.As<PropertyHolderScript>("PropertyHolderScript"))
            bHasScripts = true;
    }
    m_btnScripts.ShowWindow(bHasScripts ? SW_SHOW : SW_HIDE);
    OnSelchangeList();
    return TRUE;
}

BOOL PropertyEditorDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    int nID = LOWORD(wParam);
    WORD nCode = HIWORD(wParam);
    if (nID == IDC_PROPERTY_LIST && nCode == LBN_SELCHANGE) {
        OnSelchangeList();
        return TRUE;
    }
    if (nID == IDC_PROPERTY_VALUE && nCode == EN_CHANGE) {
        OnChangeValue();
        return TRUE;
    }
    if (nID == IDC_SCRIPTS && nCode == BN_CLICKED) {
        OnScripts();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void PropertyEditorDialog::OnSelchangeList() {
    int nSelected = m_listProperties.GetCurSel();
    if (nSelected == LB_ERR) {
        m_editValue.EnableWindow(FALSE);
        m_editValue.SetWindowText("");
        return;
    }
    m_editValue.EnableWindow(TRUE);
    String name, value;
    m_listProperties.GetText(nSelected, name);
    m_pHolder->GetPropertyValue(name, value);
    m_editValue.SetWindowText(value);
}

void PropertyEditorDialog::OnChangeValue() {
    int nSelected = m_listProperties.GetCurSel();
    if (nSelected == LB_ERR)
        return;
    String name, text;
    m_listProperties.GetText(nSelected, name);
    m_editValue.GetWindowText(text);
    m_pHolder->SetPropertyValue(name, Trimmed(text));
}

void PropertyEditorDialog::OnScripts() {
    ScriptEditorDialog editor(AfxGetMainWnd());
    for (const auto& holder : m_pHolder->GetHolders())
        if (!IsHidden(holder))
            if (auto script = holder.As<PropertyHolderScript>("PropertyHolderScript"))
                editor.m_scriptHolders.push_back(script);
    editor.DoModal();
}
