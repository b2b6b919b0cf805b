#include "MainWindowTest.h"

#include "res/EditorDialogIds.h"
#include "views/PropertyEditorDialog.h"
#include "views/ScriptEditorDialog.h"

#include "model/AccumPropertyHolder.h"
#include "model/ScriptPropertyHolder.h"

#include <QApplication>
#include <QFontInfo>
#include <QTimer>
#include <QWidget>

namespace {

using Action = Automation::DialogAction;

// An object with properties, as an instance or a key frame offers them.
class PropertyObject : public HasProperties {
  public:
    PropertyObject& Add(PropertyHolder* holder) {
        m_holders.push_back(Pointer<PropertyHolder>(holder));
        return *this;
    }
};

PropertyHolder* Hidden() {
    return new AccumPropertyHolder(std::make_shared<std::vector<String>>(1, "Hidden"));
}

PropertyHolder* Scripts() {
    auto* scripts = new ScriptPropertyHolder("Scripts", {"OnFrame", "OnClick\nwhen clicked"});
    scripts->SetPropertyValue("OnFrame", "a = 1\nb = 2\nc = 3");
    scripts->SetPropertyValue("OnClick\nwhen clicked", "x = 1\ny = 2");
    return scripts;
}

class EditorDialogTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Automation::Instance().Clear();
    }
    void TearDown() override {
        Automation::Instance().Clear();
        MainWindowTest::TearDown();
    }
    static const Automation::ControlRecord& Control(size_t dialog, int nID) {
        for (const auto& control : Automation::Instance().GetDialogs().at(dialog).controls)
            if (control.id == nID)
                return control;
        throw std::out_of_range("no control " + std::to_string(nID));
    }
    // Runs the script editor over the holder with a prepared answer.
    static INT_PTR RunScriptEditor(Pointer<PropertyHolderScript> holder, int nErrorLine,
                                   const char* scriptName, bool ok,
                                   std::vector<Action> actions = {}) {
        Automation::Instance().QueueDialogAnswer(ok, std::move(actions));
        ScriptEditorDialog editor;
        editor.m_nErrorLine = nErrorLine;
        editor.m_strScriptName = scriptName;
        editor.m_scriptHolders.push_back(holder);
        return editor.DoModal();
    }
};

TEST_F(EditorDialogTest, WithoutPropertiesTheEditorIsNotNeededAndScriptsOpenDirectly) {
    Pointer<PropertyObject> hiddenOnly(new PropertyObject);
    hiddenOnly->Add(Hidden());
    EXPECT_EQ(PropertyEditorDialog(AfxGetMainWnd()).SetPropertyHolder(hiddenOnly), 2);
    EXPECT_TRUE(Automation::Instance().GetDialogs().empty());

    Pointer<PropertyObject> scriptsOnly(new PropertyObject);
    scriptsOnly->Add(Scripts()).Add(Hidden());
    Automation::Instance().QueueDialogAnswer(false, {});
    EXPECT_EQ(PropertyEditorDialog(AfxGetMainWnd()).SetPropertyHolder(scriptsOnly), 2);
    EXPECT_EQ(Automation::Instance().GetDialogs().at(0).caption, "Script Editor Dialog");
}

TEST_F(EditorDialogTest, ScriptEditorOffersTheFailingScriptAndSelectsTheFailingLine) {
    // Error line, script name; scripts offered, selection, editable.
    const std::tuple<int, const char*, std::vector<std::string>, int, int, bool> cases[] = {
        {0, "", {"OnClick", "OnFrame"}, 0, 0, true}, // sorted: OnClick shows first
        {2, "ONFRAME", {"OnFrame"}, 6, 11, true},
        {3, "onclick", {"OnClick"}, 0, 0, true}, // a two-line script
        {1, "Missing", {}, 0, 0, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [line, name, offered, selStart, selEnd, editable] = cases[i];
        auto holder =
            Pointer<PropertyHolder>(Scripts()).As<PropertyHolderScript>("PropertyHolderScript");
        RunScriptEditor(holder, line, name, false);
        EXPECT_EQ(Control(i, IDC_SCRIPT_NAMES).items, offered) << name;
        EXPECT_EQ(Control(i, IDC_SCRIPT_TEXT).selStart, selStart) << name;
        EXPECT_EQ(Control(i, IDC_SCRIPT_TEXT).selEnd, selEnd) << name;
        EXPECT_EQ(Control(i, IDC_SCRIPT_TEXT).enabled, editable) << name;
    }
}

TEST_F(EditorDialogTest, AScriptIsStoredWhenLeftButNotOnEsc) {
    Pointer<PropertyHolder> scripts(Scripts());
    RunScriptEditor(scripts.As<PropertyHolderScript>("PropertyHolderScript"), 0, "", false,
                    {{Action::Type, IDC_SCRIPT_TEXT, "first"},
                     {Action::Select, IDC_SCRIPT_NAMES, "OnFrame"},
                     {Action::Type, IDC_SCRIPT_TEXT, "second"}});
    String onClick, onFrame;
    scripts->GetPropertyValue("OnClick\nwhen clicked", onClick);
    scripts->GetPropertyValue("OnFrame", onFrame);
    EXPECT_EQ(onClick, "first");
    EXPECT_EQ(onFrame, "a = 1\nb = 2\nc = 3");
}

TEST_F(EditorDialogTest, ScriptEditorSnapsBackToItsOpeningSizeAndStretchesTheEditor) {
    Pointer<PropertyHolder> scripts(Scripts());
    ScriptEditorDialog editor;
    editor.m_scriptHolders.push_back(scripts.As<PropertyHolderScript>("PropertyHolderScript"));
    CRect opened, shrunk, grown, edit;
    QTimer::singleShot(0, [&] {
        CWnd* dialog = CWnd::FromWidget(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        CWnd* text = static_cast<CDialog*>(dialog)->GetDlgItem(IDC_SCRIPT_TEXT);
        EXPECT_TRUE(QFontInfo(text->GetWidget()->font()).fixedPitch());
        dialog->GetWindowRect(&opened);
        dialog->MoveWindow(opened.left, opened.top, 200, opened.Height() + 40);
        QApplication::processEvents();
        dialog->GetWindowRect(&shrunk);
        dialog->MoveWindow(opened.left, opened.top, opened.Width() + 60, opened.Height() + 40);
        QApplication::processEvents();
        dialog->GetWindowRect(&grown);
        text->GetWindowRect(&edit);
        dialog->ScreenToClient(&edit);
        dialog->SendMessage(WM_CLOSE); // as Esc: cancelled
    });
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
    EXPECT_EQ(shrunk.Width(), opened.Width());
    EXPECT_EQ(shrunk.Height(), opened.Height() + 40);
    EXPECT_EQ(grown.Width(), opened.Width() + 60);
    // The margins right and below equal the left one: 7 dialog units, 11
    // pixels in the dialog font's 6 x 12 base units; the dialog opened at
    // 522 x 318.
    const int margin = 11;
    EXPECT_EQ(edit.left, margin);
    EXPECT_EQ(edit.right, 522 + 60 - margin);
    EXPECT_EQ(edit.bottom, 318 + 40 - margin);
}

} // namespace
