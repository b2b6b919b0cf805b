#include "platform/CFileDialog.h"

#include "platform/Automation.h"
#include "platform/CWnd.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

// MFC's "Text|*.a;*.b|...||" as Qt name filters: "Text (*.a *.b)".
QStringList QtFilters(const QString& filter) {
    QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString description = parts[i];
        description.remove(QRegularExpression("\\s*\\([^()]*\\)\\s*$"));
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        filters << description + " (" + patterns.join(' ') + ")";
    }
    return filters;
}

QString ToLocalPath(const std::string& path) {
    return QString::fromStdString(path).replace('\\', '/');
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt), m_strFileName(lpszFileName),
      m_dwFlags(dwFlags), m_strFilter(lpszFilter), m_pParentWnd(pParentWnd) {}

INT_PTR CFileDialog::DoModal() {
    Automation& automation = Automation::Instance();
    if (std::optional<std::optional<std::string>> answer = automation.TakeFileAnswer())
        return *answer ? Accept(String(**answer)) : IDCANCEL;
    if (automation.IsSessionMode())
        return IDCANCEL;
    return AskPerson();
}

// The checks that the Windows dialog makes before it closes with a name.
INT_PTR CFileDialog::Accept(String path) {
    QString local = ToLocalPath(path.str());
    if (local.isEmpty())
        return IDCANCEL;
    QFileInfo info(local);
    if (!m_strDefExt.IsEmpty() && !info.fileName().contains('.'))
        local += "." + QString::fromStdString(m_strDefExt.str());
    local = QFileInfo(local).absoluteFilePath();
    std::string shown = QDir::toNativeSeparators(local).toStdString();
    bool exists = QFileInfo(local).isFile();
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (m_bOpenFileDialog && (m_dwFlags & OFN_FILEMUSTEXIST) && !exists) {
        std::string text = shown + "\nFile not found.\nCheck the file name and try again.";
        MessageBoxA(pOwner, text.c_str(), "Open", MB_OK | MB_ICONEXCLAMATION);
        return IDCANCEL;
    }
    if (!m_bOpenFileDialog && (m_dwFlags & OFN_OVERWRITEPROMPT) && exists) {
        std::string text = shown + " already exists.\nDo you want to replace it?";
        if (MessageBoxA(pOwner, text.c_str(), "Confirm Save As",
                        MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
            return IDCANCEL;
    }
    m_strPathName = String(local.toStdString());
    return IDOK;
}

INT_PTR CFileDialog::AskPerson() {
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    QWidget* parent = pOwner && pOwner->GetWidget() ? pOwner->GetWidget()->window() : nullptr;
    QFileDialog dialog(parent, m_bOpenFileDialog ? "Open" : "Save As");
    dialog.setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_bOpenFileDialog && (m_dwFlags & OFN_FILEMUSTEXIST)
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
    dialog.setNameFilters(QtFilters(QString::fromStdString(m_strFilter.str())));
    dialog.setDefaultSuffix(QString::fromStdString(m_strDefExt.str()));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(m_dwFlags & OFN_OVERWRITEPROMPT));
    if (!m_strFileName.IsEmpty())
        dialog.selectFile(ToLocalPath(m_strFileName.str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    m_strPathName =
        String(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath().toStdString());
    return IDOK;
}

String CFileDialog::GetFileName() const {
    return String(QFileInfo(QString::fromStdString(m_strPathName.str())).fileName().toStdString());
}

String CFileDialog::GetFileExt() const {
    std::string name = GetFileName().str();
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? String() : String(name.substr(dot + 1));
}
