#include "app/SessionCommandParser.h"

#include "app/WordReader.h"
#include "platform/WinTypes.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <stdexcept>

namespace {

using Kind = SessionCommand::Kind;
using MouseAction = SessionCommand::MouseAction;
using DialogAction = Automation::DialogAction;

// Key names as a person writes them; letters and digits stand for themselves.
std::optional<int> FindKey(const std::string& name) {
    static const std::map<std::string, int> names = {
        {"enter", Qt::Key_Return},
        {"return", Qt::Key_Return},
        {"esc", Qt::Key_Escape},
        {"escape", Qt::Key_Escape},
        {"backspace", Qt::Key_Backspace},
        {"delete", Qt::Key_Delete},
        {"insert", Qt::Key_Insert},
        {"tab", Qt::Key_Tab},
        {"space", Qt::Key_Space},
        {"left", Qt::Key_Left},
        {"right", Qt::Key_Right},
        {"up", Qt::Key_Up},
        {"down", Qt::Key_Down},
        {"home", Qt::Key_Home},
        {"end", Qt::Key_End},
        {"pageup", Qt::Key_PageUp},
        {"pagedown", Qt::Key_PageDown},
    };
    std::string lower = ToLower(name);
    if (auto found = names.find(lower); found != names.end())
        return found->second;
    if (lower.size() == 1 && std::isalpha(static_cast<unsigned char>(lower[0])))
        return Qt::Key_A + (lower[0] - 'a');
    if (lower.size() == 1 && std::isdigit(static_cast<unsigned char>(lower[0])))
        return Qt::Key_0 + (lower[0] - '0');
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f' &&
        std::all_of(lower.begin() + 1, lower.end(),
                    [](unsigned char c) { return std::isdigit(c); })) {
        int number = std::stoi(lower.substr(1));
        if (number >= 1 && number <= 12)
            return Qt::Key_F1 + (number - 1);
    }
    return std::nullopt;
}

QPoint ReadPoint(WordReader& words) {
    int x = words.NextInteger("X", -1000000);
    int y = words.NextInteger("Y", -1000000);
    return QPoint(x, y);
}

// The options that may follow a pointer command, in any order:
// "@ TITLE", "shift", "ctrl" and, for drag, "to TITLE" (after "@ TITLE")
// and "steps N".
void ReadPointerOptions(WordReader& words, SessionCommand& command, bool isDrag) {
    while (!words.AtEnd()) {
        std::string option = ToLower(words.Peek());
        if (option == "@") {
            words.Next("@");
            command.title = words.Next("window title after @");
        } else if (option == "to" && isDrag) {
            words.Next("to");
            if (!command.title)
                throw std::invalid_argument("\"to TITLE\" needs \"@ TITLE\" before it");
            command.toTitle = words.Next("window title after to");
        } else if (option == "shift") {
            words.Next("shift");
            command.modifiers |= Qt::ShiftModifier;
        } else if (option == "ctrl") {
            words.Next("ctrl");
            command.modifiers |= Qt::ControlModifier;
        } else if (option == "steps" && isDrag) {
            words.Next("steps");
            command.nSteps = words.NextInteger("steps", 1);
        } else {
            throw std::invalid_argument("unexpected argument \"" + words.Peek() + "\"");
        }
    }
}

void ReadOptionalTitle(WordReader& words, SessionCommand& command) {
    if (words.AtEnd())
        return;
    if (words.Peek() != "@")
        throw std::invalid_argument("unexpected argument \"" + words.Peek() +
                                    "\" (expected @ TITLE)");
    words.Next("@");
    command.title = words.Next("window title after @");
}

void ReadPath(WordReader& words, SessionCommand& command) {
    command.path = words.Next("path");
    words.ExpectEnd();
}

void ReadMenu(WordReader& words, SessionCommand& command) {
    command.menuTexts.push_back(words.Next("menu text"));
    while (!words.AtEnd())
        command.menuTexts.push_back(words.Next("menu text"));
}

void ReadKey(WordReader& words, SessionCommand& command) {
    std::string stroke = words.Next("key");
    size_t start = 0;
    for (size_t plus = stroke.find('+'); plus != std::string::npos && plus + 1 < stroke.size();
         plus = stroke.find('+', start)) {
        std::string modifier = ToLower(stroke.substr(start, plus - start));
        if (modifier == "ctrl")
            command.modifiers |= Qt::ControlModifier;
        else if (modifier == "shift")
            command.modifiers |= Qt::ShiftModifier;
        else if (modifier == "alt")
            command.modifiers |= Qt::AltModifier;
        else
            throw std::invalid_argument("unknown modifier \"" + stroke.substr(start, plus - start) +
                                        "\" in \"" + stroke + "\" (Ctrl, Shift or Alt)");
        start = plus + 1;
    }
    std::string name = stroke.substr(start);
    std::optional<int> key = FindKey(name);
    if (!key)
        throw std::invalid_argument("unknown key \"" + name +
                                    "\" (Enter, Esc, Backspace, Delete, A..Z, 0..9, F1..F12 ...)");
    command.nKey = *key;
    ReadOptionalTitle(words, command);
}

void ReadMouse(WordReader& words, SessionCommand& command) {
    command.mouseAction =
        words.NextChoice<MouseAction>("mouse action", {{"down", MouseAction::Down},
                                                       {"up", MouseAction::Up},
                                                       {"dblclk", MouseAction::DoubleClick},
                                                       {"move", MouseAction::Move}});
    if (command.mouseAction != MouseAction::Move)
        command.buttons = words.NextChoice<Qt::MouseButtons>(
            "mouse button",
            {{"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}});
    command.from = ReadPoint(words);
    ReadPointerOptions(words, command, false);
}

void ReadDrag(WordReader& words, SessionCommand& command) {
    command.buttons = words.NextChoice<Qt::MouseButtons>(
        "drag button", {{"left", Qt::LeftButton},
                        {"right", Qt::RightButton},
                        {"both", Qt::LeftButton | Qt::RightButton}});
    command.from = ReadPoint(words);
    command.to = ReadPoint(words);
    command.nSteps = 10;
    ReadPointerOptions(words, command, true);
}

void ReadResize(WordReader& words, SessionCommand& command) {
    command.title = words.Next("window title");
    command.nWidth = words.NextInteger("width", 1);
    command.nHeight = words.NextInteger("height", 1);
    words.ExpectEnd();
}

void ReadDialogAnswer(WordReader& words, SessionCommand& command) {
    command.bDialogOk = words.NextChoice<bool>("dialog answer", {{"ok", true}, {"cancel", false}});
    while (!words.AtEnd()) {
        DialogAction action{
            words.NextChoice<DialogAction::Kind>("dialog action", {{"type", DialogAction::Type},
                                                                   {"select", DialogAction::Select},
                                                                   {"click", DialogAction::Click}}),
            0,
            {}};
        action.id = words.NextInteger("control id", 0);
        if (action.kind != DialogAction::Click)
            action.text = words.Next("control text");
        command.dialogActions.push_back(std::move(action));
    }
}

void ReadAnswer(WordReader& words, SessionCommand& command) {
    command.kind = words.NextChoice<Kind>("answer kind", {{"file", Kind::AnswerFile},
                                                          {"message", Kind::AnswerMessage},
                                                          {"dialog", Kind::AnswerDialog}});
    switch (command.kind) {
    case Kind::AnswerFile: {
        std::string path = words.Next("file path or cancel");
        if (path != "cancel")
            command.path = path;
        break;
    }
    case Kind::AnswerMessage:
        command.nAnswer = words.NextChoice<int>(
            "message answer", {{"yes", IDYES}, {"no", IDNO}, {"ok", IDOK}, {"cancel", IDCANCEL}});
        break;
    default:
        ReadDialogAnswer(words, command);
        break;
    }
    words.ExpectEnd();
}

void ReadTick(WordReader& words, SessionCommand& command) {
    command.nCount = words.AtEnd() ? 1 : words.NextInteger("tick count", 0);
    words.ExpectEnd();
}

void ReadScreenshot(WordReader& words, SessionCommand& command) {
    command.path = words.Next("path");
    ReadOptionalTitle(words, command);
}

void ReadQuit(WordReader& words, SessionCommand&) {
    words.ExpectEnd();
}

// Only the default workspace can be asked for.
void ReadLayout(WordReader& words, SessionCommand&) {
    words.NextChoice<bool>("layout", {{"default", true}});
    words.ExpectEnd();
}

// Each command's kind and the reader of its arguments; "answer" sets its kind
// from its first argument.
struct CommandGrammar {
    Kind kind;
    void (*read)(WordReader& words, SessionCommand& command);
};

const std::map<std::string, CommandGrammar>& Commands() {
    static const std::map<std::string, CommandGrammar> commands = {
        {"open", {Kind::Open, ReadPath}},
        {"menu", {Kind::Menu, ReadMenu}},
        {"key", {Kind::Key, ReadKey}},
        {"mouse", {Kind::Mouse, ReadMouse}},
        {"drag", {Kind::Drag, ReadDrag}},
        {"resize", {Kind::Resize, ReadResize}},
        {"answer", {Kind::AnswerDialog, ReadAnswer}},
        {"tick", {Kind::Tick, ReadTick}},
        {"dump", {Kind::Dump, ReadPath}},
        {"screenshot", {Kind::Screenshot, ReadScreenshot}},
        {"layout", {Kind::LayoutDefault, ReadLayout}},
        {"quit", {Kind::Quit, ReadQuit}},
    };
    return commands;
}

} // namespace

SessionCommand SessionCommandParser::Parse(std::vector<std::string> words, int line) {
    std::string name = words.front();
    words.erase(words.begin());
    auto found = Commands().find(ToLower(name));
    if (found == Commands().end())
        throw std::invalid_argument("unknown command \"" + name + "\"");
    SessionCommand command;
    command.nLine = line;
    command.kind = found->second.kind;
    WordReader reader(std::move(words));
    found->second.read(reader, command);
    return command;
}
