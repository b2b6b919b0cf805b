#include "app/SessionScript.h"
#include "app/SessionError.h"
#include "app/SessionTokenizer.h"
#include "platform/WinTypes.h"

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

TEST(SessionScriptParse, KeepsLineNumbersAcrossCommentsAndBlankLines) {
    auto commands =
        SessionScript::Parse("# tour\n\nopen sample.qmx\n  \ntick\nquit\nlayout Default\n", "s");
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[3].kind, Kind::LayoutDefault);
    EXPECT_EQ(commands[0].kind, Kind::Open);
    EXPECT_EQ(*commands[0].path, "sample.qmx");
    EXPECT_EQ(commands[0].nLine, 3);
    EXPECT_EQ(commands[1].kind, Kind::Tick);
    EXPECT_EQ(commands[1].nLine, 5);
    EXPECT_EQ(commands[2].kind, Kind::Quit);
}

TEST(SessionScriptParse, KeyReadsModifiersNamesAndTargetWindow) {
    auto commands =
        SessionScript::Parse("key Ctrl+Shift+S\nkey Enter @ \"Time Line\"\nkey f12\nkey 7\n", "s");
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].nKey, Qt::Key_S);
    EXPECT_EQ(commands[0].modifiers, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(commands[0].title);
    EXPECT_EQ(commands[1].nKey, Qt::Key_Return);
    EXPECT_EQ(commands[1].modifiers, Qt::NoModifier);
    EXPECT_EQ(*commands[1].title, "Time Line");
    EXPECT_EQ(commands[2].nKey, Qt::Key_F12);
    EXPECT_EQ(commands[3].nKey, Qt::Key_7);
}

TEST(SessionScriptParse, MouseAndDragReadButtonsPointsAndOptions) {
    auto commands =
        SessionScript::Parse("mouse dblclk left 10 20 @ Front shift\n"
                             "mouse move -5 7 ctrl @ Top\n"
                             "drag both 1 2 30 40 @ Side steps 3\n"
                             "drag right 0 0 9 9\n"
                             "drag left 30 28 504 29 @ \"Cast List\" to \"Time Line\"\n",
                             "s");
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0].mouseAction, SessionCommand::MouseAction::DoubleClick);
    EXPECT_EQ(commands[0].buttons, Qt::LeftButton);
    EXPECT_EQ(commands[0].from, QPoint(10, 20));
    EXPECT_EQ(*commands[0].title, "Front");
    EXPECT_EQ(commands[1].mouseAction, SessionCommand::MouseAction::Move);
    EXPECT_EQ(commands[1].from, QPoint(-5, 7));
    EXPECT_EQ(commands[1].modifiers, Qt::ControlModifier);
    EXPECT_EQ(commands[2].buttons, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(commands[2].nSteps, 3);
    EXPECT_EQ(commands[3].buttons, Qt::RightButton);
    EXPECT_GT(commands[3].nSteps, 0);
    EXPECT_FALSE(commands[3].toTitle);
    EXPECT_EQ(*commands[4].title, "Cast List");
    EXPECT_EQ(*commands[4].toTitle, "Time Line");
    EXPECT_EQ(commands[4].to, QPoint(504, 29));
}

TEST(SessionScriptParse, AnswersForFilesMessagesAndDialogs) {
    auto commands =
        SessionScript::Parse("answer file \"/tmp/a b.qmx\"\n"
                             "answer file cancel\n"
                             "answer message no\n"
                             "answer dialog ok type 1000 \"x = 1\" select 1001 Light click 1\n"
                             "answer dialog cancel\n",
                             "s");
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0].kind, Kind::AnswerFile);
    EXPECT_EQ(*commands[0].path, "/tmp/a b.qmx");
    EXPECT_FALSE(commands[1].path);
    EXPECT_EQ(commands[2].nAnswer, IDNO);
    EXPECT_TRUE(commands[3].bDialogOk);
    ASSERT_EQ(commands[3].dialogActions.size(), 3u);
    EXPECT_EQ(commands[3].dialogActions[0].kind, Automation::DialogAction::Type);
    EXPECT_EQ(commands[3].dialogActions[0].text, "x = 1");
    EXPECT_EQ(commands[3].dialogActions[1].text, "Light");
    EXPECT_EQ(commands[3].dialogActions[2].kind, Automation::DialogAction::Click);
    EXPECT_EQ(commands[3].dialogActions[2].id, 1);
    EXPECT_FALSE(commands[4].bDialogOk);
    EXPECT_TRUE(commands[4].dialogActions.empty());
}

TEST(SessionScriptParse, BadLinesNameTheFileTheLineAndTheProblem) {
    EXPECT_EQ(ErrorOf("quit\n\nfly away\n"), "tour.script:3: unknown command \"fly\"");
    EXPECT_EQ(ErrorOf("tick x\n"),
              "tour.script:1: tick count must be a whole number of at least 0, not \"x\"");
    EXPECT_EQ(ErrorOf("open\n"), "tour.script:1: missing path");
    EXPECT_EQ(ErrorOf("# c\nquit now\n"), "tour.script:2: unexpected argument \"now\"");
    EXPECT_EQ(ErrorOf("key Ctrl+Hyper\n"), "tour.script:1: unknown key \"Hyper\" (Enter, Esc, "
                                           "Backspace, Delete, A..Z, 0..9, F1..F12 ...)");
    EXPECT_EQ(ErrorOf("key Meta+A\n"),
              "tour.script:1: unknown modifier \"Meta\" in \"Meta+A\" (Ctrl, Shift or Alt)");
    EXPECT_EQ(ErrorOf("mouse press left 1 2\n"),
              "tour.script:1: mouse action must be down|up|dblclk|move, not \"press\"");
    EXPECT_EQ(ErrorOf("resize Front 0 10\n"),
              "tour.script:1: width must be a whole number of at least 1, not \"0\"");
    EXPECT_EQ(ErrorOf("drag left 1 2 3\n"), "tour.script:1: missing Y");
    EXPECT_EQ(ErrorOf("drag left 1 2 3 4 to B\n"),
              "tour.script:1: \"to TITLE\" needs \"@ TITLE\" before it");
    EXPECT_EQ(ErrorOf("quit\nopen \"x\n"),
              "tour.script:2: unterminated quote starting at column 6");
    EXPECT_EQ(ErrorOf("answer dialog ok click\n"), "tour.script:1: missing control id");
    EXPECT_EQ(ErrorOf("screenshot a.png Front\n"),
              "tour.script:1: unexpected argument \"Front\" (expected @ TITLE)");
    EXPECT_EQ(ErrorOf("layout wide\n"), "tour.script:1: layout must be default, not \"wide\"");
}

TEST(SessionScriptLoad, AMissingFileIsAnErrorNamingIt) {
    try {
        SessionScript::Load("/nonexistent/x.script");
        FAIL() << "no error";
    } catch (const SessionError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "/nonexistent/x.script:0: cannot read the script file");
    }
}

} // namespace
