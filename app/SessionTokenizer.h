#pragma once

#include <string>
#include <vector>

// Cuts one line of a scripted session into words: words are separated by
// blanks, '#' starts a comment, and a word may hold double-quoted pieces with
// C escapes (\n, \t, \r, \\, \").
class SessionTokenizer {
  public:
    // Throws std::invalid_argument for an unterminated quote or an unknown
    // escape.
    static std::vector<std::string> SplitLine(const std::string& line);
};
