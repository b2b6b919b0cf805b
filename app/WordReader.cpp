#include "app/WordReader.h"

#include <algorithm>
#include <cctype>
#include <limits>

std::string ToLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string WordReader::Next(const char* what) {
    if (AtEnd())
        throw std::invalid_argument(std::string("missing ") + what);
    return m_words[m_nNext++];
}

int WordReader::NextInteger(const char* what, int minimum) {
    std::string word = Next(what);
    size_t digits = word.size() > 1 && word[0] == '-' ? 1 : 0;
    bool numeric =
        digits < word.size() && std::all_of(word.begin() + static_cast<long>(digits), word.end(),
                                            [](unsigned char c) { return std::isdigit(c); });
    long long value = 0;
    if (numeric && word.size() <= 10)
        value = std::stoll(word);
    if (!numeric || word.size() > 10 || value < minimum || value > std::numeric_limits<int>::max())
        throw std::invalid_argument(std::string(what) + " must be a whole number of at least " +
                                    std::to_string(minimum) + ", not \"" + word + "\"");
    return static_cast<int>(value);
}

void WordReader::ExpectEnd() const {
    if (!AtEnd())
        throw std::invalid_argument("unexpected argument \"" + Peek() + "\"");
}
