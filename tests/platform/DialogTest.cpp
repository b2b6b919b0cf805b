#include "PlatformTestSupport.h"
#include "framework/Debugger.h"
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"

#include <QApplication>
#include <QTimer>

namespace {

constexpr UINT kTestDialog = 9106;
constexpr DWORD kVisible = WS_CHILD | WS_VISIBLE;

void RegisterTestDialog() {
    RegisterDialogTemplate(
        kTestDialog,
        {"Property Editor Dialog",
         169,
         121,
         WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
         {{"STATIC", "List of properties :", -1, 7, 7, 57, 8, kVisible},
          {"LISTBOX", "", 1001, 7, 18, 95, 96, kVisible | LBS_SORT | LBS_NOTIFY | WS_VSCROLL},
          {"EDIT", "", 1002, 109, 29, 53, 12, kVisible | ES_AUTOHSCROLL | WS_TABSTOP},
          {"EDIT", "", 1000, 109, 45, 40, 12, kVisible | ES_NUMBER},
          {"COMBOBOX", "", 1004, 7, 8, 117, 81,
           kVisible | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL},
          {"EDIT", "", 1005, 7, 60, 90, 40,
           kVisible | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL},
          {"BUTTON", "Scripts", 1003, 112, 83, 50, 14, kVisible | BS_PUSHBUTTON},
          {"BUTTON", "Hidden", 1006, 112, 60, 50, 14, WS_CHILD | BS_PUSHBUTTON},
          {"BUTTON", "Close", IDOK, 112, 100, 50, 14, kVisible | BS_DEFPUSHBUTTON}}});
}

class TestDialog : public CDialog {
  public:
    TestDialog() : CDialog(kTestDialog) { RegisterTestDialog(); }

    CListBox m_list;
    CEdit m_value;
    CButton m_scripts;
    std::vector<std::string> m_log;
    std::function<void(TestDialog&)> m_onInit;
    std::function<void(UINT nID)> m_onCommand;

  protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1001, m_list);
        DDX_Control(pDX, 1002, m_value);
        DDX_Control(pDX, 1003, m_scripts);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_log.push_back("WM_INITDIALOG");
        m_list.AddString("TranslateX");
        m_list.AddString("blue");
        m_list.AddString("Alpha");
        auto* pCombo = static_cast<CComboBox*>(GetDlgItem(1004));
        pCombo->AddString("Script2");
        pCombo->AddString("Script1");
        if (m_onInit)
            m_onInit(*this);
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        m_log.push_back(CommandEntry(wParam));
        if (m_onCommand)
            m_onCommand(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnSize(UINT, int cx, int cy) override {
        m_log.push_back("WM_SIZE " + std::to_string(cx) + " " + std::to_string(cy));
    }
};

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Automation::Instance().Clear();
        TVK::GetDebugger()->ClearLines();
    }
    void TearDown() override {
        Automation::Instance().Clear();
        Automation::Instance().SetSessionMode(false);
        FlushDeletes();
    }
    using Action = Automation::DialogAction;

    // Runs the test dialog with a prepared Cancel, onInit acting on it once
    // it is initialised, and answers what it logged.
    std::vector<std::string> RunCancelled(std::function<void(TestDialog&)> onInit) {
        Automation::Instance().QueueDialogAnswer(false, {});
        TestDialog dialog;
        dialog.m_onInit = std::move(onInit);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        return dialog.m_log;
    }
};

TEST_F(DialogTest, AnsweredDialogIsBuiltInitialisedActedOnAndClosed) {
    Automation::Instance().QueueDialogAnswer(true, {{Action::Select, 1001, "blue"},
                                                    {Action::Type, 1002, " 12 "},
                                                    {Action::Select, 1004, "Script2"},
                                                    {Action::Click, 1003, ""}});
    TestDialog dialog;
    String valueAtOk;
    dialog.m_onCommand = [&](UINT nID) {
        if (nID == IDOK)
            dialog.m_value.GetWindowText(valueAtOk);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    // The first size message arrives while the dialog is being created.
    EXPECT_THAT(dialog.m_log, ElementsAre("WM_SIZE 254 182", "WM_INITDIALOG", "WM_COMMAND 1001 1",
                                          "WM_COMMAND 1002 768", "WM_COMMAND 1004 1",
                                          "WM_COMMAND 1003 0", "WM_COMMAND 1 0"));
    EXPECT_EQ(valueAtOk, " 12 ");
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.m_list.GetSafeHwnd(), nullptr);
}

TEST_F(DialogTest, ControlsAreReachedByIdAndOnlyEditsReportChangesMadeByTheProgram) {
    auto log = RunCancelled([](TestDialog& d) {
        EXPECT_EQ(d.GetDlgItem(1001), &d.m_list);
        EXPECT_EQ(d.GetDlgItem(4242), nullptr);
        // A sorted list box orders without regard to case; adding selects
        // nothing.
        EXPECT_EQ(d.m_list.GetCurSel(), LB_ERR);
        EXPECT_EQ(d.m_list.SetCurSel(2), 2);
        EXPECT_EQ(d.m_list.AddString("Beta"), 1);
        EXPECT_EQ(d.m_list.GetCurSel(), 3);
        EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(1004))->SetCurSel(1), 1);
        d.m_value.SetWindowText("1.5");
        d.GetDlgItem(1005)->SetWindowText("first\nsecond");
        QTest::keyClicks(d.GetDlgItem(1000)->GetWidget(), "1a2 3");
        String text;
        d.GetDlgItem(1000)->GetWindowText(text);
        EXPECT_EQ(text, "123");
    });
    // Set in a single-line edit: reported; selections and text set in a
    // multi-line edit: not; typed: once for each accepted key.
    EXPECT_THAT(log, ElementsAre("WM_SIZE 254 182", "WM_INITDIALOG", "WM_COMMAND 1002 768",
                                 "WM_COMMAND 1000 768", "WM_COMMAND 1000 768",
                                 "WM_COMMAND 1000 768", "WM_COMMAND 2 0"));
}

TEST_F(DialogTest, InSessionModeAnUnansweredDialogIsCancelledUnseen) {
    Automation::Instance().SetSessionMode(true);
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.m_log.empty());
}

TEST_F(DialogTest, AnswersThatCannotBeCarriedOutAndUnknownTemplatesAreReported) {
    using testing::HasSubstr;
    Automation::Instance().QueueDialogAnswer(
        true,
        {{Action::Type, 4242, "x"}, {Action::Select, 1001, "Gamma"}, {Action::Click, 1002, ""}});
    EXPECT_EQ(TestDialog().DoModal(), IDOK);
    // An OK that is disabled cancels the answered dialog.
    Automation::Instance().QueueDialogAnswer(true, {});
    TestDialog disabled;
    disabled.m_onInit = [](TestDialog& d) { d.GetDlgItem(IDOK)->EnableWindow(FALSE); };
    EXPECT_EQ(disabled.DoModal(), IDCANCEL);
    EXPECT_EQ(CDialog(4711).DoModal(), -1);
    EXPECT_THAT(
        TVK::GetDebugger()->GetLines(),
        testing::IsSupersetOf({HasSubstr("has no control 4242"),
                               HasSubstr("control 1001 has no entry \"Gamma\""),
                               HasSubstr("control 1002 is not a button"),
                               HasSubstr("OK is disabled"), HasSubstr("no dialog resource 4711")}));
}

TEST_F(DialogTest, APersonsEnterPressesTheDefaultButtonAndEscCancels) {
    TestDialog enter;
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    EXPECT_EQ(enter.DoModal(), IDOK);

    TestDialog escape;
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(escape.DoModal(), IDCANCEL);
    EXPECT_EQ(escape.m_log.back(), "WM_COMMAND 2 0");
}

TEST_F(DialogTest, ANestedDialogTakesTheNextAnswer) {
    TestDialog outer;
    INT_PTR nInnerResult = 0;
    outer.m_onCommand = [&](UINT nID) {
        if (nID == 1003)
            nInnerResult = TestDialog().DoModal();
    };
    Automation::Instance().QueueDialogAnswer(true, {{Action::Click, 1003, ""}});
    Automation::Instance().QueueDialogAnswer(false, {});
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(nInnerResult, IDCANCEL);
}

} // namespace
