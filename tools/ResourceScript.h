#pragma once

#include <string>
#include <string_view>
#include <vector>

// A resource script: one statement a line, "NAME TYPE FILE", the file
// double-quoted when it holds blanks; empty lines and lines starting with
// "//" say nothing.
class ResourceScript {
  public:
    struct Statement {
        std::string name;
        std::string type;
        std::string file;
        int line = 0;
    };

    // Throws ResourceError naming the script and the line of a statement that
    // is not complete.
    static std::vector<Statement> Parse(std::string_view text, const std::string& scriptName);
};
