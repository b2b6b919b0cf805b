#include "tools/ResourceCompiler.h"

#include "tools/OutputFile.h"
#include "tools/ProjectBundle.h"
#include "tools/ResourceError.h"
#include "tools/ResourceFile.h"
#include "tools/ResourceScript.h"
#include "tools/WindowsPath.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <strings.h>

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string script;
    std::string output;
};

bool IsOption(const std::string& argument, const char* name) {
    return strcasecmp(argument.c_str() + 1, name) == 0;
}

// Throws std::invalid_argument naming what is wrong. Options start with '/'
// as on Windows, where no path does; here an absolute path does too, so an
// argument that names an existing file, or that is no option, is the script.
Options ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::error_code error;
        bool option = !argument.empty() && (argument[0] == '-' || argument[0] == '/') &&
                      !(argument[0] == '/' && fs::exists(Native(argument), error));
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw std::invalid_argument(argument + " needs a value");
            return arguments[++i];
        };
        if (option && (IsOption(argument, "l") || IsOption(argument, "d"))) {
            value();
        } else if (option && IsOption(argument, "fo")) {
            options.output = Native(value());
        } else if (option && strncasecmp(argument.c_str() + 1, "fo", 2) == 0) {
            options.output = Native(argument.substr(3));
        } else if (option && argument[0] == '-') {
            throw std::invalid_argument("unknown option " + argument);
        } else if (!options.script.empty()) {
            throw std::invalid_argument("only one script may be given, not also " + argument);
        } else {
            options.script = Native(argument);
        }
    }
    if (options.script.empty())
        throw std::invalid_argument("no resource script given");
    if (options.output.empty())
        options.output = fs::path(options.script).replace_extension(".res").string();
    return options;
}

std::string ReadScript(const fs::path& script) {
    std::ifstream in(script, std::ios::binary);
    if (!in)
        throw ResourceError("cannot open the resource script \"" + script.string() + "\"");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path MediaFolder(const fs::path& project) {
    const char* open = std::getenv("CORVANE_PROJECT");
    fs::path source = open && *open ? fs::path(Native(open)) : project;
    return fs::absolute(source).parent_path();
}

} // namespace

int ResourceCompiler::Run(const std::vector<std::string>& arguments) {
    Options options;
    try {
        options = ParseOptions(arguments);
    } catch (const std::invalid_argument& error) {
        std::cerr << "rc.exe: " << error.what()
                  << "\nusage: rc.exe [/l LANGUAGE] [/d NAME]... [/fo OUTPUT] SCRIPT\n";
        return 2;
    }
    try {
        std::error_code error;
        fs::remove(options.output, error);
        fs::path script = options.script;
        std::vector<ResourceFile::Entry> entries;
        for (const auto& statement : ResourceScript::Parse(ReadScript(script), script.string())) {
            if (strcasecmp(statement.type.c_str(), "CORVANEPROJECT") != 0)
                throw ResourceError(script.string() + "(" + std::to_string(statement.line) +
                                    "): unknown resource type " + statement.type);
            fs::path project = script.parent_path() / Native(statement.file);
            for (auto& entry : ProjectBundle::Make(statement.name, project, MediaFolder(project)))
                entries.push_back(std::move(entry));
        }
        WriteOutputFile(options.output, ResourceFile::Serialize(entries), false);
    } catch (const ResourceError& error) {
        std::cerr << "rc.exe: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
