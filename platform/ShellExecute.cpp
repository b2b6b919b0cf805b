#include "platform/ShellExecute.h"

#include "platform/Automation.h"
#include "platform/BatchFile.h"
#include "platform/DetachedProcess.h"
#include "platform/NativePath.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

HINSTANCE Result(INT_PTR value) {
    return reinterpret_cast<HINSTANCE>(value);
}

bool IsBatchFile(const fs::path& file) {
    std::string extension = file.extension().string();
    return strcasecmp(extension.c_str(), ".bat") == 0 || strcasecmp(extension.c_str(), ".cmd") == 0;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

HINSTANCE ShellExecuteA(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                        LPCSTR lpDirectory, int nShowCmd) {
    if (lpOperation && *lpOperation && strcasecmp(lpOperation, "open") != 0)
        return Result(SE_ERR_NOASSOC);
    std::error_code error;
    fs::path folder =
        lpDirectory && *lpDirectory ? fs::path(NativePath(lpDirectory)) : fs::current_path(error);
    if (!fs::is_directory(folder, error))
        return Result(SE_ERR_PNF);
    fs::path file = NativePath(lpFile);
    fs::path located = file.is_absolute() ? file : folder / file;
    if (!lpFile || !*lpFile || !fs::is_regular_file(located, error))
        return Result(SE_ERR_FNF);

    Automation::ProcessRecord record{lpFile, lpParameters ? lpParameters : "",
                                     lpDirectory ? lpDirectory : ""};
    std::vector<Automation::ProcessRecord> records{record};
    std::vector<DetachedProcess::Step> steps;
    if (IsBatchFile(located)) {
        const BatchFile batch = BatchFile::Parse(ReadFile(located));
        for (const BatchFile::Command& command : batch.GetCommands()) {
            steps.push_back({NativePath(command.program.c_str()), command.arguments, command.echo});
            records.push_back({command.program, command.parameters, record.folder});
        }
    } else {
        if (access(located.c_str(), X_OK) != 0)
            return Result(SE_ERR_NOASSOC);
        steps.push_back({located.string(), BatchFile::SplitCommandLine(record.parameters), {}});
    }
    if (!DetachedProcess::Start(steps, folder.string(), nShowCmd == SW_HIDE))
        return Result(0);
    for (auto& started : records)
        Automation::Instance().RecordProcess(std::move(started));
    return Result(33);
}
