#pragma once

#include <optional>
#include <string>

// corvane [--offscreen] [--script FILE] [PROJECT.qmx]
struct CommandLine {
    // Qt's "offscreen" platform: no display needed.
    bool bOffscreen = false;
    bool bHelp = false;
    std::optional<std::string> scriptPath;
    std::optional<std::string> projectPath;

    // Throws std::invalid_argument naming the argument that is wrong.
    static CommandLine Parse(int argc, const char* const* argv);
    static const char* Usage();
};
