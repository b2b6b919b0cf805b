#include "app/SessionScript.h"

#include "app/SessionCommandParser.h"
#include "app/SessionError.h"
#include "app/SessionTokenizer.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::vector<SessionCommand> SessionScript::Parse(const std::string& text,
                                                 const std::string& fileName) {
    std::vector<SessionCommand> commands;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        try {
            std::vector<std::string> words = SessionTokenizer::SplitLine(line);
            if (!words.empty())
                commands.push_back(SessionCommandParser::Parse(std::move(words), number));
        } catch (const std::invalid_argument& error) {
            throw SessionError(fileName, number, error.what());
        }
    }
    return commands;
}

std::vector<SessionCommand> SessionScript::Load(const std::string& fileName) {
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error))
        throw SessionError(fileName, 0, "it is a folder, not a script file");
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        throw SessionError(fileName, 0, "cannot read the script file");
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str(), fileName);
}
