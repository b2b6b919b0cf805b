#include "app/SessionScript.h"

#include "app/SessionError.h"
#include "platform/WinTypes.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

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
    std::string lower = Lower(name);
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

// Reads the words of one command in order; every complaint names what was expected.
class WordReader {
  public:
    explicit WordReader(std::vector<std::string> words) : m_words(std::move(words)) {}

    bool AtEnd() const { return m_nNext >= m_words.size(); }
    const std::string& Peek() const { return m_words[m_nNext]; }

    std::string Next(const char* what) {
        if (AtEnd())
            throw std::invalid_argument(std::string("missing ") + what);
        return m_words[m_nNext++];
    }

    int NextInteger(const char* what, int minimum) {
        std::string word = Next(what);
        size_t digits = word.size() > 1 && word[0] == '-' ? 1 : 0;
        bool numeric = digits < word.size() &&
                       std::all_of(word.begin() + static_cast<long>(digits), word.end(),
                                   [](unsigned char c) { return std::isdigit(c); });
        long long value = 0;
        if (numeric && word.size() <= 10)
            value = std::stoll(word);
        if (!numeric || word.size() > 10 || value < minimum ||
            value > std::numeric_limits<int>::max())
            throw std::invalid_argument(std::string(what) + " must be a whole number of at least " +
                                        std::to_string(minimum) + ", not \"" + word + "\"");
        return static_cast<int>(value);
    }

    // The word must be one of the choices (compared without letter case).
    int NextChoice(const char* what, std::initializer_list<const char*> choices) {
        std::string word = Next(what);
        int index = 0;
        std::string list;
        for (const char* choice : choices) {
            if (Lower(word) == choice)
                return index;
            list += (index ? "|" : "") + std::string(choice);
            ++index;
        }
        throw std::invalid_argument(std::string(what) + " must be " + list + ", not \"" + word +
                                    "\"");
    }

    void ExpectEnd() const {
        if (!AtEnd())
            throw std::invalid_argument("unexpected argument \"" + Peek() + "\"");
    }

  private:
    std::vector<std::string> m_words;
    size_t m_nNext = 0;
};

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
        std::string option = Lower(words.Peek());
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

const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

void ReadKey(WordReader& words, SessionCommand& command) {
    std::string stroke = words.Next("key");
    size_t start = 0;
    for (size_t plus = stroke.find('+'); plus != std::string::npos && plus + 1 < stroke.size();
         plus = stroke.find('+', start)) {
        std::string modifier = Lower(stroke.substr(start, plus - start));
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
    static const SessionCommand::MouseAction actions[] = {
        SessionCommand::MouseAction::Down, SessionCommand::MouseAction::Up,
        SessionCommand::MouseAction::DoubleClick, SessionCommand::MouseAction::Move};
    command.mouseAction =
        actions[words.NextChoice("mouse action", {"down", "up", "dblclk", "move"})];
    if (command.mouseAction != SessionCommand::MouseAction::Move)
        command.buttons = kButtons[words.NextChoice("mouse button", {"left", "right", "middle"})];
    command.from = ReadPoint(words);
    ReadPointerOptions(words, command, false);
}

void ReadDrag(WordReader& words, SessionCommand& command) {
    int choice = words.NextChoice("drag button", {"left", "right", "both"});
    command.buttons = choice == 2 ? Qt::MouseButtons(Qt::LeftButton | Qt::RightButton)
                                  : Qt::MouseButtons(kButtons[choice]);
    command.from = ReadPoint(words);
    command.to = ReadPoint(words);
    command.nSteps = 10;
    ReadPointerOptions(words, command, true);
}

void ReadAnswer(WordReader& words, SessionCommand& command) {
    switch (words.NextChoice("answer kind", {"file", "message", "dialog"})) {
    case 0: {
        command.kind = SessionCommand::Kind::AnswerFile;
        std::string path = words.Next("file path or cancel");
        if (path != "cancel")
            command.path = path;
        break;
    }
    case 1: {
        static const int answers[] = {IDYES, IDNO, IDOK, IDCANCEL};
        command.kind = SessionCommand::Kind::AnswerMessage;
        command.nAnswer =
            answers[words.NextChoice("message answer", {"yes", "no", "ok", "cancel"})];
        break;
    }
    default:
        command.kind = SessionCommand::Kind::AnswerDialog;
        command.bDialogOk = words.NextChoice("dialog answer", {"ok", "cancel"}) == 0;
        while (!words.AtEnd()) {
            static const Automation::DialogAction::Kind kinds[] = {Automation::DialogAction::Type,
                                                                   Automation::DialogAction::Select,
                                                                   Automation::DialogAction::Click};
            Automation::DialogAction action{
                kinds[words.NextChoice("dialog action", {"type", "select", "click"})], 0, {}};
            action.id = words.NextInteger("control id", 0);
            if (action.kind != Automation::DialogAction::Click)
                action.text = words.Next("control text");
            command.dialogActions.push_back(std::move(action));
        }
        break;
    }
    words.ExpectEnd();
}

SessionCommand ParseCommand(std::vector<std::string> lineWords, int line) {
    std::string name = lineWords.front();
    lineWords.erase(lineWords.begin());
    WordReader words(std::move(lineWords));
    SessionCommand command;
    command.nLine = line;
    std::string lower = Lower(name);
    if (lower == "open" || lower == "dump") {
        command.kind = lower == "open" ? SessionCommand::Kind::Open : SessionCommand::Kind::Dump;
        command.path = words.Next("path");
        words.ExpectEnd();
    } else if (lower == "menu") {
        command.kind = SessionCommand::Kind::Menu;
        command.menuTexts.push_back(words.Next("menu text"));
        while (!words.AtEnd())
            command.menuTexts.push_back(words.Next("menu text"));
    } else if (lower == "key") {
        command.kind = SessionCommand::Kind::Key;
        ReadKey(words, command);
    } else if (lower == "mouse") {
        command.kind = SessionCommand::Kind::Mouse;
        ReadMouse(words, command);
    } else if (lower == "drag") {
        command.kind = SessionCommand::Kind::Drag;
        ReadDrag(words, command);
    } else if (lower == "resize") {
        command.kind = SessionCommand::Kind::Resize;
        command.title = words.Next("window title");
        command.nWidth = words.NextInteger("width", 1);
        command.nHeight = words.NextInteger("height", 1);
        words.ExpectEnd();
    } else if (lower == "answer") {
        ReadAnswer(words, command);
    } else if (lower == "tick") {
        command.kind = SessionCommand::Kind::Tick;
        command.nCount = words.AtEnd() ? 1 : words.NextInteger("tick count", 0);
        words.ExpectEnd();
    } else if (lower == "screenshot") {
        command.kind = SessionCommand::Kind::Screenshot;
        command.path = words.Next("path");
        ReadOptionalTitle(words, command);
    } else if (lower == "quit") {
        command.kind = SessionCommand::Kind::Quit;
        words.ExpectEnd();
    } else {
        throw std::invalid_argument("unknown command \"" + name + "\"");
    }
    return command;
}

} // namespace

std::vector<std::string> SessionScript::SplitLine(const std::string& line) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < line.size()) {
        char c = line[pos];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++pos;
            continue;
        }
        if (c == '#')
            break;
        // One word: plain characters and quoted pieces side by side.
        std::string word;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t' && line[pos] != '\r' &&
               line[pos] != '#') {
            if (line[pos] != '"') {
                word += line[pos++];
                continue;
            }
            size_t open = pos++;
            for (;;) {
                if (pos >= line.size())
                    throw std::invalid_argument("unterminated quote starting at column " +
                                                std::to_string(open + 1));
                char q = line[pos++];
                if (q == '"')
                    break;
                if (q != '\\') {
                    word += q;
                    continue;
                }
                if (pos >= line.size())
                    throw std::invalid_argument("unterminated quote starting at column " +
                                                std::to_string(open + 1));
                char escaped = line[pos++];
                switch (escaped) {
                case 'n':
                    word += '\n';
                    break;
                case 't':
                    word += '\t';
                    break;
                case 'r':
                    word += '\r';
                    break;
                case '\\':
                    word += '\\';
                    break;
                case '"':
                    word += '"';
                    break;
                default:
                    throw std::invalid_argument(std::string("unknown escape \\") + escaped +
                                                " at column " + std::to_string(pos - 1));
                }
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<SessionCommand> SessionScript::Parse(const std::string& text,
                                                 const std::string& fileName) {
    std::vector<SessionCommand> commands;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        try {
            std::vector<std::string> words = SplitLine(line);
            if (!words.empty())
                commands.push_back(ParseCommand(std::move(words), number));
        } catch (const std::invalid_argument& error) {
            throw SessionError(fileName, number, error.what());
        }
    }
    return commands;
}

std::vector<SessionCommand> SessionScript::Load(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        throw SessionError(fileName, 0, "cannot read the script file");
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str(), fileName);
}
