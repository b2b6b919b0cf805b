#pragma once

#include <stdexcept>
#include <string>

// Stops a scripted session: "FILE:LINE: message", the place of the command
// that failed and what went wrong.
class SessionError : public std::runtime_error {
  public:
    SessionError(const std::string& fileName, int line, const std::string& message)
        : std::runtime_error(fileName + ":" + std::to_string(line) + ": " + message) {}
};
