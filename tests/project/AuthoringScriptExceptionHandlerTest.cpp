#include "TestHost.h"

#include "platform/Automation.h"
#include "project/AuthoringScriptExceptionHandler.h"

#include "host/PropertyHolderScript.h"

namespace {

// A holder of two scripts, "OnFrame" of three lines and "Other" of one.
class ScriptHolder : public FakePropertyHolder, public PropertyHolderScript {
  public:
    ScriptHolder() {
        SetPropertyValue("OnFrame", "a = 1\nb = nil + 1\nc = 3");
        SetPropertyValue("Other", "x = 1");
    }
    StringList GetScriptNames() override { return {"OnFrame", "Other"}; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("PropertyHolder", static_cast<PropertyHolder*>(this))
            .Answer("PropertyHolderScript", static_cast<PropertyHolderScript*>(this))
            .Result();
    }
};

class AuthoringScriptExceptionHandlerTest : public CommandsTest {
  protected:
    // Reports an error of a list of objects with the message box answered;
    // what the author saw of the editor ("" when none opened): the selected
    // text and the scripts offered.
    std::string Report(int answer, int line) {
        Automation::Instance().Clear();
        Automation::Instance().QueueMessageAnswer(answer);
        Automation::Instance().QueueDialogAnswer(true, {});
        Pointer<ObjectList> objects(new ObjectList);
        objects->objects = {Pointer<BaseObject>(new FakeInstance("1", "2")),
                            Pointer<BaseObject>(new ScriptHolder)};
        m_pHandler->ReportException(objects, "onframe", "attempt", line);
        const auto& dialogs = Automation::Instance().GetDialogs();
        if (dialogs.empty())
            return "";
        std::string seen = dialogs[0].caption + ":";
        for (const auto& control : dialogs[0].controls) {
            if (control.id == 1004)
                for (const std::string& item : control.items)
                    seen += " " + item;
            if (control.id == 1005)
                seen += " [" +
                        control.text.substr(control.selStart, control.selEnd - control.selStart) +
                        "]";
        }
        return seen;
    }

    Pointer<AuthoringScriptExceptionHandler> m_pHandler{new AuthoringScriptExceptionHandler};
};

// A failing frame script reports through the other operation, shown by a
// session case; an object list's holders of scripts all reach the editor.
TEST_F(AuthoringScriptExceptionHandlerTest, AnObjectListsScriptsReachTheEditorOnYes) {
    const std::tuple<int, int, std::string> cases[] = {
        {IDNO, 2, ""},
        {IDYES, 2, "Script Editor Dialog: [b = nil + 1] OnFrame"},
        // Beyond the script: nothing selected. No line: every script.
        {IDYES, 4, "Script Editor Dialog: [] OnFrame"},
        {IDYES, 0, "Script Editor Dialog: [] OnFrame Other"},
    };
    for (const auto& [answer, line, seen] : cases)
        EXPECT_EQ(Report(answer, line), seen) << answer << " " << line;
    ASSERT_EQ(Automation::Instance().GetMessages().size(), 1u);
    EXPECT_EQ(Automation::Instance().GetMessages()[0].text,
              "attempt\n\nDo you want to view the code?");
}

} // namespace
