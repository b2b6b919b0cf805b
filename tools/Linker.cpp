#include "tools/Linker.h"

#include "tools/OutputFile.h"
#include "tools/ResourceError.h"
#include "tools/ResourceFile.h"
#include "tools/WindowsPath.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <strings.h>

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string output;
    std::vector<std::string> inputs;
};

bool HasPrefix(const std::string& option, const char* prefix) {
    return strncasecmp(option.c_str(), prefix, std::char_traits<char>::length(prefix)) == 0;
}

// Throws std::invalid_argument naming what is wrong.
Options ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (const std::string& argument : arguments) {
        if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) {
            options.inputs.push_back(argument);
            continue;
        }
        std::string option = argument.substr(1);
        if (HasPrefix(option, "out:"))
            options.output = option.substr(4);
        else if (strcasecmp(option.c_str(), "nologo") == 0 || HasPrefix(option, "subsystem:") ||
                 HasPrefix(option, "incremental:") || HasPrefix(option, "machine:"))
            continue;
        // Options start with '/' as on Windows, where no path does; here an
        // absolute path does too.
        else if (argument[0] == '/')
            options.inputs.push_back(argument);
        else
            throw std::invalid_argument("unknown option " + argument);
    }
    if (options.output.empty())
        throw std::invalid_argument("no output file given (/out:FILE)");
    if (options.inputs.empty())
        throw std::invalid_argument("no input files given");
    return options;
}

std::string ReadInput(const std::string& input) {
    std::ifstream in(Native(input), std::ios::binary);
    std::error_code error;
    if (!in || !fs::is_regular_file(Native(input), error))
        throw ResourceError("cannot open input file \"" + input + "\"");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool IsProgram(const std::string& bytes) {
    return bytes.compare(0, 4,
                         "\x7f"
                         "ELF") == 0;
}

bool IsResourceFile(const std::string& input) {
    std::string extension = fs::path(Native(input)).extension().string();
    return strcasecmp(extension.c_str(), ".res") == 0;
}

} // namespace

int Linker::Run(const std::vector<std::string>& arguments) {
    Options options;
    try {
        options = ParseOptions(arguments);
    } catch (const std::invalid_argument& error) {
        std::cerr << "link.exe: " << error.what()
                  << "\nusage: link.exe [/nologo] [/subsystem:S] [/incremental:I] [/machine:M] "
                     "/out:FILE INPUT...\n";
        return 2;
    }
    try {
        std::string program;
        std::string programInput;
        std::vector<ResourceFile::Entry> resources;
        for (const std::string& input : options.inputs) {
            std::string bytes = ReadInput(input);
            if (IsResourceFile(input)) {
                try {
                    for (auto& entry : ResourceFile::Parse(bytes))
                        resources.push_back(std::move(entry));
                } catch (const ResourceError& error) {
                    throw ResourceError("input file \"" + input + "\" is damaged: " + error.what());
                }
            } else if (IsProgram(bytes)) {
                if (!programInput.empty())
                    throw ResourceError("input files \"" + programInput + "\" and \"" + input +
                                        "\" both hold a program");
                program = std::move(bytes);
                programInput = input;
            }
        }
        if (programInput.empty())
            throw ResourceError("no input file holds the viewer program");
        WriteOutputFile(Native(options.output),
                        ResourceFile::Attach(program, ResourceFile::Serialize(resources)), true);
    } catch (const ResourceError& error) {
        std::cerr << "link.exe: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
