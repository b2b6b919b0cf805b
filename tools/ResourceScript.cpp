#include "tools/ResourceScript.h"

#include "tools/ResourceError.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The words of a line; a double-quoted word may hold blanks.
std::vector<std::string> Words(std::string_view line, bool& unclosed) {
    std::vector<std::string> words;
    size_t at = 0;
    unclosed = false;
    while (at < line.size()) {
        if (IsBlank(line[at])) {
            ++at;
            continue;
        }
        std::string word;
        if (line[at] == '"') {
            size_t close = line.find('"', at + 1);
            if (close == std::string_view::npos) {
                unclosed = true;
                return words;
            }
            word = line.substr(at + 1, close - at - 1);
            at = close + 1;
        } else {
            while (at < line.size() && !IsBlank(line[at]))
                word += line[at++];
        }
        words.push_back(std::move(word));
    }
    return words;
}

} // namespace

std::vector<ResourceScript::Statement> ResourceScript::Parse(std::string_view text,
                                                             const std::string& scriptName) {
    std::vector<Statement> statements;
    int number = 0;
    while (!text.empty()) {
        size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text = feed == std::string_view::npos ? std::string_view() : text.substr(feed + 1);
        ++number;
        size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line.substr(first, 2) == "//")
            continue;
        bool unclosed = false;
        std::vector<std::string> words = Words(line, unclosed);
        std::string where = scriptName + "(" + std::to_string(number) + "): ";
        if (unclosed)
            throw ResourceError(where + "a file name's double quote is not closed");
        if (words.size() != 3)
            throw ResourceError(where + "a statement is a name, a resource type and a file");
        statements.push_back({words[0], words[1], words[2], number});
    }
    return statements;
}
