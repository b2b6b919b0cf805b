#include "platform/MessageBox.h"

#include "platform/Automation.h"
#include "platform/CWnd.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace {

std::vector<int> ButtonsOf(UINT uType) {
    switch (uType & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int DefaultButtonOf(UINT uType) {
    std::vector<int> buttons = ButtonsOf(uType);
    size_t index = (uType & MB_DEFMASK) >> 8;
    return buttons[index < buttons.size() ? index : 0];
}

QMessageBox::StandardButton QtButton(int id) {
    switch (id) {
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon QtIcon(UINT uType) {
    switch (uType & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int AskPerson(HWND hWnd, const QString& text, const QString& caption, UINT uType) {
    QWidget* parent = hWnd && hWnd->GetWidget() ? hWnd->GetWidget()->window() : nullptr;
    QMessageBox box(QtIcon(uType), caption, text, QMessageBox::NoButton, parent);
    std::vector<int> buttons = ButtonsOf(uType);
    std::vector<std::pair<QAbstractButton*, int>> answers;
    for (int id : buttons)
        answers.emplace_back(box.addButton(QtButton(id)), id);
    int nDefault = DefaultButtonOf(uType);
    int nEscape = buttons.size() == 1 ? buttons[0] : IDCANCEL;
    for (auto& [button, id] : answers) {
        if (id == nDefault)
            box.setDefaultButton(static_cast<QPushButton*>(button));
        if (id == nEscape)
            box.setEscapeButton(button);
    }
    box.exec();
    for (auto& [button, id] : answers)
        if (box.clickedButton() == button)
            return id;
    return nEscape;
}

} // namespace

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    std::string text = lpText ? lpText : "";
    Automation& automation = Automation::Instance();
    int answer = 0;
    if (std::optional<int> prepared = automation.TakeMessageAnswer())
        answer = *prepared;
    else if (automation.IsSessionMode() || !QApplication::instance())
        answer = DefaultButtonOf(uType);
    else
        answer = AskPerson(hWnd, QString::fromStdString(text),
                           QString::fromUtf8(lpCaption ? lpCaption : ""), uType);
    automation.RecordMessage({text, uType, answer});
    return answer;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
    CWnd* pMain = AfxGetMainWnd();
    String caption;
    if (pMain)
        pMain->GetWindowText(caption);
    if (caption.IsEmpty() && QCoreApplication::instance())
        caption = String(QCoreApplication::applicationName().toStdString());
    return MessageBoxA(pMain, lpszText, caption, nType);
}
