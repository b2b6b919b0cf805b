#pragma once

#include "app/SessionCommand.h"

#include <string>
#include <vector>

// The text of a scripted session, checked line by line before anything runs:
// one command a line, '#' starts a comment, arguments are separated by blanks
// and may be double-quoted with C escapes (\n, \t, \r, \\, \").
class SessionScript {
  public:
    // Throws SessionError ("FILE:LINE: message") for the first bad line.
    static std::vector<SessionCommand> Parse(const std::string& text, const std::string& fileName);
    // Reads and parses a file; a file that cannot be read is a SessionError at line 0.
    static std::vector<SessionCommand> Load(const std::string& fileName);

    // The words of one line; throws std::invalid_argument for an unterminated
    // quote or an unknown escape.
    static std::vector<std::string> SplitLine(const std::string& line);
};
