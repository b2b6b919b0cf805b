#include "app/CommandLine.h"

#include <stdexcept>
#include <string_view>

CommandLine CommandLine::Parse(int argc, const char* const* argv) {
    CommandLine line;
    for (int index = 1; index < argc; ++index) {
        std::string_view argument = argv[index];
        if (argument == "--offscreen") {
            line.bOffscreen = true;
        } else if (argument == "--help" || argument == "-h") {
            line.bHelp = true;
        } else if (argument == "--script") {
            if (index + 1 >= argc)
                throw std::invalid_argument("--script needs a file");
            if (line.scriptPath)
                throw std::invalid_argument("only one --script may be given");
            line.scriptPath = argv[++index];
        } else if (argument.starts_with("-")) {
            throw std::invalid_argument("unknown option " + std::string(argument));
        } else if (line.projectPath) {
            throw std::invalid_argument("only one project may be given, not also " +
                                        std::string(argument));
        } else {
            line.projectPath = std::string(argument);
        }
    }
    return line;
}

const char* CommandLine::Usage() {
    return "usage: corvane [--offscreen] [--script FILE] [PROJECT.qmx]\n"
           "  --offscreen    run without a display\n"
           "  --script FILE  run a scripted session, then exit\n";
}
