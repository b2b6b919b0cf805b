#include "platform/DetachedProcess.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// What a step needs once the process has forked: everything is prepared
// beforehand, because a child of a process with threads may only make
// async-signal-safe calls.
struct PreparedStep {
    std::string program;
    std::vector<std::string> arguments;
    std::vector<char*> argv;
    std::string echo;
};

bool IsExecutable(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

std::string Resolve(const std::string& program, const std::string& folder) {
    if (program.find('/') != std::string::npos)
        return program;
    if (IsExecutable(std::filesystem::path(folder) / program))
        return "./" + program;
    const char* path = std::getenv("PATH");
    std::string list = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= list.size()) {
        size_t colon = list.find(':', start);
        std::string entry = list.substr(start, colon - start);
        std::filesystem::path candidate =
            std::filesystem::path(entry.empty() ? "." : entry) / program;
        if (IsExecutable(candidate))
            return candidate.string();
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return program;
}

void WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written <= 0)
            return;
        data += written;
        size -= static_cast<size_t>(written);
    }
}

// The job itself, in the detached grandchild.
[[noreturn]] void RunJob(std::vector<PreparedStep>& steps, const char* folder, bool hidden,
                         char** envp) {
    if (chdir(folder) != 0)
        _exit(127);
    int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        if (hidden)
            dup2(null, STDOUT_FILENO);
    }
    close_range(STDERR_FILENO + 1, ~0U, 0);
    // A single program replaces the job; a batch waits for each step.
    if (steps.size() == 1 && steps[0].echo.empty()) {
        execve(steps[0].program.c_str(), steps[0].argv.data(), envp);
        _exit(127);
    }
    for (PreparedStep& step : steps) {
        if (!step.echo.empty())
            WriteAll(STDOUT_FILENO, step.echo.c_str(), step.echo.size());
        pid_t child = fork();
        if (child == 0) {
            execve(step.program.c_str(), step.argv.data(), envp);
            _exit(127);
        }
        if (child > 0) {
            int status = 0;
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
    _exit(0);
}

} // namespace

bool DetachedProcess::Start(const std::vector<Step>& steps, const std::string& folder,
                            bool hidden) {
    std::vector<PreparedStep> prepared(steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        PreparedStep& step = prepared[i];
        step.program = Resolve(steps[i].program, folder);
        step.arguments = steps[i].arguments;
        step.argv.push_back(step.program.data());
        for (std::string& argument : step.arguments)
            step.argv.push_back(argument.data());
        step.argv.push_back(nullptr);
        if (!steps[i].echo.empty())
            step.echo = steps[i].echo + "\n";
    }

    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
        if (!hidden || std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0)
            environment.emplace_back(*entry);
    if (hidden)
        environment.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    // Two forks: the job's parent ends at once, so the job belongs to no one
    // and leaves no zombie behind.
    pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        setsid();
        pid_t job = fork();
        if (job == 0)
            RunJob(prepared, folder.c_str(), hidden, envp.data());
        _exit(job < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
