#pragma once

#include "app/SessionCommand.h"

#include <string>
#include <vector>

// The grammar of the session commands: turns the words of one line into a
// checked command.
class SessionCommandParser {
  public:
    // words holds at least the command name. Throws std::invalid_argument,
    // naming what was expected, for an unknown command or a bad argument.
    static SessionCommand Parse(std::vector<std::string> words, int line);
};
