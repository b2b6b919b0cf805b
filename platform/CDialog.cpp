#include "platform/CDialog.h"

#include "framework/Debugger.h"
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDataExchange.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"
#include "platform/ControlAdapter.h"
#include "platform/DialogControl.h"
#include "platform/DialogFont.h"
#include "platform/DialogWidget.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <cstring>

namespace {

// An ES_NUMBER edit refuses typed characters other than digits (pasted text
// still goes in, as on Windows).
class DigitsOnlyFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && text[0].isPrint() && !text[0].isDigit();
    }
};

// The Windows class of a control made by CreateControl.
std::string WindowsClassOf(const QWidget* control) {
    if (qobject_cast<const QPushButton*>(control))
        return "BUTTON";
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control))
        return "EDIT";
    if (qobject_cast<const QListWidget*>(control))
        return "LISTBOX";
    if (qobject_cast<const QComboBox*>(control))
        return "COMBOBOX";
    return "STATIC";
}

QString ClassName(const DialogItemTemplate& item) {
    return QString::fromStdString(item.className).toUpper();
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (GetSafeHwnd())
        DestroyWindow();
}

// ---------------------------------------------------------------- running

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nIDTemplate);
    if (!dialogTemplate) {
        TVK::GetDebugger()->PrintError(
            "Dialog %u cannot be shown: there is no dialog resource %u\n", m_nIDTemplate,
            m_nIDTemplate);
        return -1;
    }
    Automation& automation = Automation::Instance();
    m_nRecord = automation.RecordDialog(dialogTemplate->caption);
    m_bRecorded = false;
    std::optional<Automation::DialogAnswer> answer = automation.TakeDialogAnswer();
    if (!answer && automation.IsSessionMode())
        return IDCANCEL;

    m_bEnded = false;
    m_nModalResult = IDCANCEL;
    if (!CreateFromTemplate(*dialogTemplate))
        return -1;
    INT_PTR result = m_nModalResult;
    if (answer) {
        result = RunAnswered(*answer);
    } else {
        if (!m_bEnded) {
            m_bRunning = true;
            // A dialog that showed itself while initialising would not be
            // made modal by exec: it is shown again, modally.
            auto* dialog = static_cast<QDialog*>(GetWidget());
            if (dialog->isVisible())
                dialog->hide();
            dialog->exec();
            m_bRunning = false;
        }
        result = m_nModalResult;
    }
    DestroyWindow();
    return result;
}

void CDialog::EndDialog(int nResult) {
    if (!m_bRecorded && GetSafeHwnd())
        RecordControls();
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_bRunning)
        if (auto* dialog = qobject_cast<QDialog*>(GetWidget()))
            dialog->done(nResult);
}

INT_PTR CDialog::RunAnswered(const Automation::DialogAnswer& answer) {
    for (const Automation::DialogAction& action : answer.actions) {
        if (m_bEnded || !GetSafeHwnd())
            break;
        ApplyAction(action);
    }
    if (!m_bEnded && GetSafeHwnd()) {
        int nID = answer.ok ? IDOK : IDCANCEL;
        QWidget* ok = DialogControl::Find(GetWidget(), IDOK);
        if (answer.ok && ok && !ok->isEnabled()) {
            TVK::GetDebugger()->PrintError(
                "Dialog %u: OK is disabled, so the dialog was cancelled\n", m_nIDTemplate);
            nID = IDCANCEL;
        }
        RecordControls();
        SendCommand(nID, BN_CLICKED);
    }
    if (!m_bEnded) {
        // Nobody waits for a prepared dialog: one that refuses to close is
        // cancelled.
        TVK::GetDebugger()->PrintError("Dialog %u did not close; it was cancelled\n",
                                       m_nIDTemplate);
        EndDialog(IDCANCEL);
    }
    return m_nModalResult;
}

void CDialog::ApplyAction(const Automation::DialogAction& action) {
    QWidget* control = DialogControl::Find(GetWidget(), action.id);
    QString text = QString::fromStdString(action.text);
    if (!control) {
        TVK::GetDebugger()->PrintError("Dialog %u has no control %d\n", m_nIDTemplate, action.id);
        return;
    }
    if (!control->isEnabled()) {
        TVK::GetDebugger()->PrintError("Dialog %u: control %d is disabled\n", m_nIDTemplate,
                                       action.id);
        return;
    }
    std::unique_ptr<ControlAdapter> adapter = ControlAdapter::For(control);
    switch (action.kind) {
    case Automation::DialogAction::Type:
        if (!adapter->Type(text))
            TVK::GetDebugger()->PrintError("Dialog %u: control %d is not an edit control\n",
                                           m_nIDTemplate, action.id);
        return;
    case Automation::DialogAction::Select:
        if (!adapter->Select(text))
            TVK::GetDebugger()->PrintError("Dialog %u: control %d has no entry \"%s\"\n",
                                           m_nIDTemplate, action.id, action.text.c_str());
        return;
    case Automation::DialogAction::Click:
        if (!adapter->Click())
            TVK::GetDebugger()->PrintError("Dialog %u: control %d is not a button\n", m_nIDTemplate,
                                           action.id);
        return;
    }
}

void CDialog::RecordControls() {
    m_bRecorded = true;
    std::vector<Automation::ControlRecord> controls;
    QWidget* dialog = GetWidget();
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!DialogControl::IsControl(child))
            continue;
        Automation::ControlRecord control;
        control.id = DialogControl::IdOf(child);
        control.className = WindowsClassOf(child);
        control.enabled = child->isEnabled();
        control.visible = child->isVisibleTo(dialog);
        CWnd* pControl = FromWidget(child);
        String text;
        if (pControl)
            pControl->GetWindowText(text);
        control.text = text.str();
        if (auto* pList = dynamic_cast<CListBox*>(pControl)) {
            for (int i = 0; i < pList->GetCount(); ++i) {
                pList->GetText(i, text);
                control.items.push_back(text.str());
            }
            control.selection = pList->GetCurSel();
        } else if (auto* pCombo = dynamic_cast<CComboBox*>(pControl)) {
            for (int i = 0; i < pCombo->GetCount(); ++i) {
                pCombo->GetLBText(i, text);
                control.items.push_back(text.str());
            }
            control.selection = pCombo->GetCurSel();
        } else if (auto* pEdit = dynamic_cast<CEdit*>(pControl)) {
            pEdit->GetSel(control.selStart, control.selEnd);
        }
        controls.push_back(std::move(control));
    }
    Automation::Instance().UpdateDialog(m_nRecord, std::move(controls));
}

// ---------------------------------------------------------------- building

BOOL CDialog::CreateFromTemplate(const DialogTemplate& dialogTemplate) {
    QWidget* parent = nullptr;
    if (CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd())
        parent = pOwner->GetWidget() ? pOwner->GetWidget()->window() : nullptr;
    auto* dialog = new DialogWidget(parent);
    dialog->setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    const DialogFont font(dialogTemplate.font);
    dialog->setFont(font.GetQFont());
    const QSize size = font.ToPixels(dialogTemplate.cx, dialogTemplate.cy);
    dialog->resize(size);
    if (!(dialogTemplate.style & WS_THICKFRAME))
        dialog->setFixedSize(size);
    ModifyStyle(~0u, dialogTemplate.style);
    AttachWidget(dialog, dialog);
    if (!FinishCreate(nullptr, dialogTemplate.caption.c_str(), m_pParentWnd, nullptr))
        return FALSE;
    for (const DialogItemTemplate& item : dialogTemplate.items)
        CreateControl(item, font.ToPixels(item));
    SendMessage(WM_INITDIALOG);
    return GetSafeHwnd() != nullptr;
}

void CDialog::CreateControl(const DialogItemTemplate& item, QRect rect) {
    QWidget* dialog = GetWidget();
    QString className = ClassName(item);
    QString text = QString::fromStdString(item.text);
    int nID = item.id;
    auto notify = [this, nID](WORD nCode) { SendCommand(nID, nCode); };

    QWidget* control = nullptr;
    std::unique_ptr<CWnd> pWrapper;
    if (className == "BUTTON") {
        auto* button = new QPushButton(text, dialog);
        button->setAutoDefault(false);
        button->setDefault((item.style & 0x0F) == BS_DEFPUSHBUTTON);
        QObject::connect(button, &QPushButton::clicked, button, [notify] { notify(BN_CLICKED); });
        control = button;
        pWrapper = std::make_unique<CButton>();
    } else if (className == "EDIT" && (item.style & ES_MULTILINE)) {
        auto* edit = new QPlainTextEdit(dialog);
        bool bWrap = !(item.style & (ES_AUTOHSCROLL | WS_HSCROLL));
        edit->setLineWrapMode(bWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        edit->setVerticalScrollBarPolicy((item.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy((item.style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(true);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [notify] { notify(EN_CHANGE); });
        control = edit;
        pWrapper = std::make_unique<CEdit>();
    } else if (className == "EDIT") {
        auto* edit = new QLineEdit(dialog);
        if (item.style & ES_NUMBER)
            edit->installEventFilter(new DigitsOnlyFilter(edit));
        QObject::connect(edit, &QLineEdit::textChanged, edit, [notify] { notify(EN_CHANGE); });
        control = edit;
        pWrapper = std::make_unique<CEdit>();
    } else if (className == "LISTBOX") {
        auto* list = new QListWidget(dialog);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Only a change of the selection counts: Qt moves the current item
        // (without selecting it) when the list gets the focus.
        if (item.style & LBS_NOTIFY)
            QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                             [notify] { notify(LBN_SELCHANGE); });
        control = list;
        pWrapper = std::make_unique<CListBox>();
    } else if (className == "COMBOBOX") {
        auto* combo = new QComboBox(dialog);
        combo->setEditable(false);
        QObject::connect(combo, &QComboBox::activated, combo, [notify] { notify(CBN_SELCHANGE); });
        control = combo;
        pWrapper = std::make_unique<CComboBox>();
    } else {
        control = new QLabel(text, dialog);
        pWrapper = std::make_unique<CWnd>();
    }
    // A combo box's height in a template is that of its dropped-down list.
    if (qobject_cast<QComboBox*>(control))
        rect.setHeight(control->sizeHint().height());
    control->setGeometry(rect);
    control->setEnabled(!(item.style & WS_DISABLED));
    control->setVisible((item.style & WS_VISIBLE) != 0);
    DialogControl::Tag(control, nID, item.style);
    pWrapper->SubclassDlgItem(static_cast<UINT>(nID), this);
    m_controls.push_back(std::move(pWrapper));
}

// ---------------------------------------------------------------- controls

CWnd* CDialog::GetDlgItem(int nID) const {
    return FromWidget(DialogControl::Find(GetWidget(), nID));
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::SendCommand(int nID, WORD nCode) {
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), nCode),
                reinterpret_cast<LPARAM>(GetDlgItem(nID)));
}

void CDialog::PressDefaultButton() {
    int nDefault = IDOK;
    for (QWidget* child : GetWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (DialogControl::IsControl(child) && qobject_cast<QPushButton*>(child) &&
            (DialogControl::StyleOf(child) & 0x0F) == BS_DEFPUSHBUTTON) {
            nDefault = DialogControl::IdOf(child);
            break;
        }
    QWidget* button = DialogControl::Find(GetWidget(), nDefault);
    if (button && !button->isEnabled())
        return;
    SendCommand(nDefault, BN_CLICKED);
}

// ---------------------------------------------------------------- messages

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_CLOSE:
        SendCommand(IDCANCEL, BN_CLICKED);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CDialog::ReleaseWidgets() {
    CWnd::ReleaseWidgets();
    m_controls.clear();
}
