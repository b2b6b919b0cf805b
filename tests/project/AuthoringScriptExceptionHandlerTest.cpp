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
    // Reports an error through one of the two operations with the message
    // box answered; what the author saw of the editor ("" when none opened):
    // the selected text and its scripts.
    std::string Report(bool throughList, int answer, int line) {
        Automation::Instance().Clear();
        Automation::Instance().QueueMessageAnswer(answer);
        Automation::Instance().QueueDialogAnswer(true, {});
        Pointer<ScriptHolder> holder(new ScriptHolder);
        if (throughList) {
            Pointer<ObjectList> objects(new ObjectList);
            objects->objects = {Pointer<BaseObject>(new FakeInstance("1", "2")), holder};
            m_pHandler->ReportException(objects, "onframe", "attempt", line);
        } else {
            m_pHandler->ReportScriptException(holder, "onframe", "attempt", line);
        }
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

TEST_F(AuthoringScriptExceptionHandlerTest, TheBoxAsksWhetherToViewTheCodeAndYesOpensTheEditor) {
    const std::tuple<bool, int, int, std::string> cases[] = {
        {false, IDNO, 2, ""},
        {true, IDNO, 2, ""},
        {false, IDYES, 2, "Script Editor Dialog: [b = nil + 1] OnFrame"},
        {true, IDYES, 2, "Script Editor Dialog: [b = nil + 1] OnFrame"},
        // Beyond the script: nothing selected. No line: every script.
        {false, IDYES, 4, "Script Editor Dialog: [] OnFrame"},
        {true, IDYES, 0, "Script Editor Dialog: [] OnFrame Other"},
    };
    for (const auto& [throughList, answer, line, seen] : cases)
        EXPECT_EQ(Report(throughList, answer, line), seen)
            << throughList << " " << answer << " " << line;
    // The question follows the error message, in a box of Yes and No.
    ASSERT_EQ(Automation::Instance().GetMessages().size(), 1u);
    EXPECT_EQ(Automation::Instance().GetMessages()[0].text,
              "attempt\n\nDo you want to view the code?");
    EXPECT_EQ(Automation::Instance().GetMessages()[0].flags, 0x34u);
}

} // namespace
