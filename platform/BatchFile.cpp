#include "platform/BatchFile.h"

#include <strings.h>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsWord(std::string_view text, const char* word) {
    std::string copy(text);
    return strcasecmp(copy.c_str(), word) == 0;
}

// The first word of a line, quotes grouping and removed, as the interpreter
// finds the program: backslashes in it are path separators, never escapes.
size_t ProgramEnd(std::string_view line, std::string& program) {
    bool quoted = false;
    size_t at = 0;
    for (; at < line.size(); ++at) {
        char c = line[at];
        if (c == '"')
            quoted = !quoted;
        else if (IsBlank(c) && !quoted)
            break;
        else
            program += c;
    }
    return at;
}

} // namespace

BatchFile BatchFile::Parse(std::string_view text) {
    BatchFile batch;
    bool echo = true;
    while (!text.empty()) {
        size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text = feed == std::string_view::npos ? std::string_view() : text.substr(feed + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = Trim(line);
        bool quiet = !line.empty() && line.front() == '@';
        if (quiet)
            line = Trim(line.substr(1));
        if (line.empty())
            continue;

        std::string_view word = line.substr(0, line.find_first_of(" \t"));
        std::string_view rest = Trim(line.substr(word.size()));
        if (IsWord(word, "echo") && (IsWord(rest, "off") || IsWord(rest, "on"))) {
            echo = IsWord(rest, "on");
            continue;
        }
        if (IsWord(word, "rem"))
            continue;

        Command command;
        size_t end = ProgramEnd(line, command.program);
        command.parameters = std::string(line.substr(end));
        command.arguments = SplitCommandLine(command.parameters);
        if (echo && !quiet)
            command.echo = std::string(line);
        batch.m_commands.push_back(std::move(command));
    }
    return batch;
}

std::vector<std::string> BatchFile::SplitCommandLine(std::string_view line) {
    std::vector<std::string> arguments;
    size_t at = 0;
    for (;;) {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        if (at >= line.size())
            return arguments;
        std::string argument;
        bool quoted = false;
        while (at < line.size() && (quoted || !IsBlank(line[at]))) {
            size_t backslashes = 0;
            while (at < line.size() && line[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                    argument += '"';
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
            } else {
                argument.append(backslashes, '\\');
                if (at < line.size() && (quoted || !IsBlank(line[at])))
                    argument += line[at++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}
