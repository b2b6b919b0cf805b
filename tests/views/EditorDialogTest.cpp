#include "MainWindowTest.h"

#include "res/EditorDialogIds.h"
#include "views/PropertyEditorDialog.h"
#include "views/ScriptEditorDialog.h"

#include "model/AccumPropertyHolder.h"
#include "model/ScriptPropertyHolder.h"
#include "model/TextPropertyHolder.h"

#include <QApplication>
#include <QFontInfo>
#include <QTimer>
#include <QWidget>

#include <gmock/gmock.h>

namespace {

using testing::ElementsAre;
using Action = Automation::DialogAction;

// An object with properties, as an instance or a key frame offers them.
class PropertyObject : public HasProperties {
  public:
    PropertyObject& Add(PropertyHolder* holder) {
        m_holders.push_back(Pointer<PropertyHolder>(holder));
        return *this;
    }
    std::string Get(const char* name) {
        String value;
        GetPropertyValue(name, value);
        return value.str();
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

TEST_F(EditorDialogTest, PropertyEditorListsShownHoldersSortedAndStoresTrimmedValues) {
    Pointer<PropertyObject> object(new PropertyObject);
    object->Add(new TextPropertyHolder("Transform", {{"TranslateX", "1.5"}, {"Red", "0.25"}}))
        .Add(Hidden())
        .Add(Scripts())
        .Add(new TextPropertyHolder("Text", {{"alpha", "a"}}));
    PropertyEditorDialog dialog(AfxGetMainWnd());
    ASSERT_EQ(dialog.SetPropertyHolder(object), 1);
    Automation::Instance().QueueDialogAnswer(true, {{Action::Select, IDC_PROPERTY_LIST, "Red"},
                                                    {Action::Type, IDC_PROPERTY_VALUE, " 12 "}});
    EXPECT_EQ(dialog.DoModal(), IDOK);

    ASSERT_EQ(Automation::Instance().GetDialogs().size(), 1u);
    EXPECT_EQ(Automation::Instance().GetDialogs()[0].caption, "Property Editor Dialog");
    EXPECT_THAT(Control(0, IDC_PROPERTY_LIST).items, ElementsAre("alpha", "Red", "TranslateX"));
    EXPECT_EQ(Control(0, IDC_PROPERTY_LIST).selection, 1);
    // The edit keeps what was typed; the object gets it trimmed.
    EXPECT_EQ(Control(0, IDC_PROPERTY_VALUE).text, " 12 ");
    EXPECT_EQ(object->Get("Red"), "12");
    EXPECT_EQ(object->Get("TranslateX"), "1.5");
    EXPECT_TRUE(Control(0, IDC_SCRIPTS).visible);
}

TEST_F(EditorDialogTest, WithoutPropertiesTheEditorIsNotNeededAndScriptsOpenDirectly) {
    Pointer<PropertyObject> hiddenOnly(new PropertyObject);
    hiddenOnly->Add(Hidden());
    PropertyEditorDialog dialog(AfxGetMainWnd());
    EXPECT_EQ(dialog.SetPropertyHolder(hiddenOnly), 2);
    EXPECT_TRUE(Automation::Instance().GetDialogs().empty());
    // Shown anyway, it lists nothing, offers no scripts and disables the value.
    Automation::Instance().QueueDialogAnswer(false, {});
    dialog.DoModal();
    EXPECT_TRUE(Control(0, IDC_PROPERTY_LIST).items.empty());
    EXPECT_FALSE(Control(0, IDC_SCRIPTS).visible);
    EXPECT_FALSE(Control(0, IDC_PROPERTY_VALUE).enabled);

    Pointer<PropertyObject> scriptsOnly(new PropertyObject);
    scriptsOnly->Add(Scripts()).Add(Hidden());
    Automation::Instance().QueueDialogAnswer(false, {});
    EXPECT_EQ(PropertyEditorDialog(AfxGetMainWnd()).SetPropertyHolder(scriptsOnly), 2);
    ASSERT_EQ(Automation::Instance().GetDialogs().size(), 2u);
    EXPECT_EQ(Automation::Instance().GetDialogs()[1].caption, "Script Editor Dialog");
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
    EXPECT_EQ(Control(1, IDC_SCRIPT_TEXT).text, "a = 1\nb = 2\nc = 3");
}

TEST_F(EditorDialogTest, ScriptsAreStoredWhenLeftAndOnCloseButNotOnEsc) {
    for (bool ok : {false, true}) {
        Pointer<PropertyHolder> scripts(Scripts());
        RunScriptEditor(scripts.As<PropertyHolderScript>("PropertyHolderScript"), 0, "", ok,
                        {{Action::Type, IDC_SCRIPT_TEXT, "first"},
                         {Action::Select, IDC_SCRIPT_NAMES, "OnFrame"},
                         {Action::Type, IDC_SCRIPT_TEXT, "second"}});
        String onClick, onFrame;
        scripts->GetPropertyValue("OnClick\nwhen clicked", onClick);
        scripts->GetPropertyValue("OnFrame", onFrame);
        EXPECT_EQ(onClick, "first");
        EXPECT_EQ(onFrame, ok ? "second" : "a = 1\nb = 2\nc = 3");
    }
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
