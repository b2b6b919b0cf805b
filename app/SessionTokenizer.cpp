#include "app/SessionTokenizer.h"

#include <stdexcept>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The character that a C escape stands for; column is where its backslash is.
char Unescape(char escaped, size_t column) {
    switch (escaped) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    case '\\':
        return '\\';
    case '"':
        return '"';
    default:
        throw std::invalid_argument(std::string("unknown escape \\") + escaped + " at column " +
                                    std::to_string(column));
    }
}

// Appends the quoted piece whose opening quote is at pos to word, and moves
// pos past its closing quote.
void ReadQuoted(const std::string& line, size_t& pos, std::string& word) {
    const size_t open = pos++;
    const auto unterminated = [open] {
        return std::invalid_argument("unterminated quote starting at column " +
                                     std::to_string(open + 1));
    };
    for (;;) {
        if (pos >= line.size())
            throw unterminated();
        const char c = line[pos++];
        if (c == '"')
            return;
        if (c != '\\') {
            word += c;
            continue;
        }
        if (pos >= line.size())
            throw unterminated();
        word += Unescape(line[pos], pos);
        ++pos;
    }
}

} // namespace

std::vector<std::string> SessionTokenizer::SplitLine(const std::string& line) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < line.size() && line[pos] != '#') {
        if (IsBlank(line[pos])) {
            ++pos;
            continue;
        }
        // One word: plain characters and quoted pieces side by side.
        std::string word;
        while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != '#') {
            if (line[pos] == '"')
                ReadQuoted(line, pos, word);
            else
                word += line[pos++];
        }
        words.push_back(std::move(word));
    }
    return words;
}
