#include "project/InsertFrameScriptDialog.h"

#include "platform/CDataExchange.h"

#include <cstdlib>
#include <string>

namespace {
constexpr int kFrameEdit = 1000;
constexpr const char* kWhiteSpace = " \t\r\n\v\f";
} // namespace

InsertFrameScriptDialog::InsertFrameScriptDialog(CWnd* pParentWnd) : CDialog(IDD, pParentWnd) {}

void InsertFrameScriptDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, kFrameEdit, m_editFrame);
}

BOOL InsertFrameScriptDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kFrameEdit && HIWORD(wParam) == EN_CHANGE) {
        OnChangeFrame();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// Pasted text may bring white space along; it does not count.
void InsertFrameScriptDialog::OnChangeFrame() {
    String text;
    m_editFrame.GetWindowText(text);
    std::string trimmed = text.str();
    trimmed.erase(0, trimmed.find_first_not_of(kWhiteSpace));
    trimmed.erase(trimmed.find_last_not_of(kWhiteSpace) + 1);
    m_nFrame = std::atoi(trimmed.c_str());
    m_btnOK.EnableWindow(m_nFrame >= 1);
}
