#pragma once

#include <string>
#include <string_view>
#include <vector>

// A batch file as our minimal command interpreter reads it: one command a
// line (CR LF or LF), run one after another. "@" before a line keeps that line
// from being echoed; "echo off" and "echo on" switch the echo of the lines
// that follow; "rem" lines and empty lines do nothing. There are no
// variables, redirections or jumps.
class BatchFile {
  public:
    struct Command {
        // The program as written, its quotes removed ("tools\link.exe").
        std::string program;
        // The rest of the line, exactly as written (it starts with the blank
        // after the program).
        std::string parameters;
        // The parameters split the Windows way, for the program's argv.
        std::vector<std::string> arguments;
        // The line as the interpreter shows it before running it; empty when
        // echo is off or the line starts with "@".
        std::string echo;
    };

    static BatchFile Parse(std::string_view text);
    const std::vector<Command>& GetCommands() const { return m_commands; }

    // Splits a command line into arguments as the Microsoft C runtime does:
    // blanks separate arguments outside double quotes; a double quote opens
    // or closes a quoted part, and "" inside one stands for a double quote;
    // 2n backslashes before a double quote give n backslashes, 2n+1 give n and
    // a literal double quote; other backslashes are themselves.
    static std::vector<std::string> SplitCommandLine(std::string_view line);

  private:
    std::vector<Command> m_commands;
};
