#pragma once

#include "app/SessionCommand.h"

#include <string>
#include <vector>

// The text of a scripted session, checked line by line before anything runs:
// each line is cut into words (SessionTokenizer), and the words of a line that
// is not blank make one command (SessionCommandParser).
class SessionScript {
  public:
    // Throws SessionError ("FILE:LINE: message") for the first bad line.
    static std::vector<SessionCommand> Parse(const std::string& text, const std::string& fileName);
    // Reads and parses a file; a file that cannot be read is a SessionError at line 0.
    static std::vector<SessionCommand> Load(const std::string& fileName);
};
