#include "app/SessionScript.h"
#include "app/SessionError.h"
#include "app/SessionTokenizer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Kind = SessionCommand::Kind;

std::string ErrorOf(const std::string& text) {
    try {
        SessionScript::Parse(text, "tour.script");
    } catch (const SessionError& error) {
        return error.what();
    }
    return "no error";
}

TEST(SessionTokenizer, SeparatesWordsByBlanksKeepsQuotedTextAndDropsComments) {
    const struct {
        const char* line;
        std::vector<std::string> words;
    } cases[] = {
        {"  menu\t&View   Camera  ", {"menu", "&View", "Camera"}},
        // Quoted words keep blanks and decode escapes.
        {R"(menu "&View" "Front\tCtrl+E" "a \"b\" \\ c\n")",
         {"menu", "&View", "Front\tCtrl+E", "a \"b\" \\ c\n"}},
        // Empty quotes give an empty word, and pieces join.
        {R"(open "" pre"fix "post)", {"open", "", "prefix post"}},
        // A hash starts a comment outside quotes only.
        {"tick 3 # three ticks", {"tick", "3"}},
        {"dump a#b", {"dump", "a"}},
        {R"(dump "a#b")", {"dump", "a#b"}},
        {"   # only a comment", {}},
        // The carriage return of a Windows line is a blank.
        {"quit\r", {"quit"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SessionTokenizer::SplitLine(c.line), c.words) << c.line;
}

TEST(SessionTokenizer, RejectsUnterminatedQuotesAndUnknownEscapes) {
    EXPECT_THROW(SessionTokenizer::SplitLine(R"(open "file)"), std::invalid_argument);
    EXPECT_THROW(SessionTokenizer::SplitLine(R"(open "file\)"), std::invalid_argument);
    EXPECT_THROW(SessionTokenizer::SplitLine(R"(open "fi\qle")"), std::invalid_argument);
}

// What the runner's tests cannot see in the events a script makes: answers
// waiting for dialogs, and the window a drag ends in.
TEST(SessionScriptParse, AnswersAndDragTargets) {
    auto commands =
        SessionScript::Parse("answer file \"/tmp/a b.qmx\"\nanswer file cancel\n"
                             "answer dialog ok type 1000 \"x = 1\" select 1001 Light click 1\n"
                             "answer dialog cancel\n"
                             "drag right 30 28 504 29 @ \"Cast List\" to \"Time Line\"\n",
                             "s");
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0].kind, Kind::AnswerFile);
    EXPECT_EQ(*commands[0].path, "/tmp/a b.qmx");
    EXPECT_FALSE(commands[1].path);
    EXPECT_TRUE(commands[2].bDialogOk);
    ASSERT_EQ(commands[2].dialogActions.size(), 3u);
    EXPECT_EQ(commands[2].dialogActions[0].kind, Automation::DialogAction::Type);
    EXPECT_EQ(commands[2].dialogActions[0].text, "x = 1");
    EXPECT_EQ(commands[2].dialogActions[1].text, "Light");
    EXPECT_EQ(commands[2].dialogActions[2].kind, Automation::DialogAction::Click);
    EXPECT_EQ(commands[2].dialogActions[2].id, 1);
    EXPECT_FALSE(commands[3].bDialogOk);
    EXPECT_TRUE(commands[3].dialogActions.empty());
    EXPECT_EQ(commands[4].buttons, Qt::RightButton);
    EXPECT_GT(commands[4].nSteps, 0);
    EXPECT_EQ(*commands[4].toTitle, "Time Line");
    EXPECT_EQ(commands[4].to, QPoint(504, 29));
}

TEST(SessionScriptParse, BadLinesNameTheFileTheLineAndTheProblem) {
    const std::pair<const char*, const char*> cases[] = {
        {"quit\n\nfly away\n", "3: unknown command \"fly\""},
        {"tick x\n", "1: tick count must be a whole number of at least 0, not \"x\""},
        {"open\n", "1: missing path"},
        {"# c\nquit now\n", "2: unexpected argument \"now\""},
        {"key Ctrl+Hyper\n",
         "1: unknown key \"Hyper\" (Enter, Esc, Backspace, Delete, A..Z, 0..9, F1..F12 ...)"},
        {"key Meta+A\n", "1: unknown modifier \"Meta\" in \"Meta+A\" (Ctrl, Shift or Alt)"},
        {"mouse press left 1 2\n", "1: mouse action must be down|up|dblclk|move, not \"press\""},
        {"resize Front 0 10\n", "1: width must be a whole number of at least 1, not \"0\""},
        {"drag left 1 2 3\n", "1: missing Y"},
        {"drag left 1 2 3 4 to B\n", "1: \"to TITLE\" needs \"@ TITLE\" before it"},
        {"quit\nopen \"x\n", "2: unterminated quote starting at column 6"},
        {"answer dialog ok click\n", "1: missing control id"},
        {"screenshot a.png Front\n", "1: unexpected argument \"Front\" (expected @ TITLE)"},
        {"layout wide\n", "1: layout must be default, not \"wide\""},
    };
    for (auto [script, error] : cases)
        EXPECT_EQ(ErrorOf(script), std::string("tour.script:") + error);
}

TEST(SessionScriptLoad, AFileThatCannotBeReadIsAnErrorNamingIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"/nonexistent/x.script", "/nonexistent/x.script:0: cannot read the script file"},
        {CORVANE_APP_DIR, CORVANE_APP_DIR ":0: it is a folder, not a script file"},
    };
    for (const auto& [file, message] : cases) {
        try {
            SessionScript::Load(file);
            ADD_FAILURE() << "no error for " << file;
        } catch (const SessionError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

} // namespace
