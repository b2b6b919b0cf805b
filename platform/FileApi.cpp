#include "platform/FileApi.h"

#include "platform/NativePath.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fnmatch.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What a find handle stands for: the matching names, read once.
struct FindState {
    std::vector<std::string> names;
    size_t next = 0;
};

void Fill(const std::string& name, LPWIN32_FIND_DATAA data) {
    std::strncpy(data->cFileName, name.c_str(), MAX_PATH - 1);
    data->cFileName[MAX_PATH - 1] = '\0';
}

} // namespace

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists) {
    std::error_code error;
    fs::path source = NativePath(lpExistingFileName);
    fs::path target = NativePath(lpNewFileName);
    if (!fs::is_regular_file(source, error))
        return FALSE;
    auto options = bFailIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    return fs::copy_file(source, target, options, error) && !error;
}

BOOL DeleteFileA(LPCSTR lpFileName) {
    std::error_code error;
    fs::path file = NativePath(lpFileName);
    if (fs::is_directory(fs::symlink_status(file, error)))
        return FALSE;
    return fs::remove(file, error);
}

HANDLE FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
    std::string path = NativePath(lpFileName);
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);

    auto* state = new FindState;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        if (fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0)
            state->names.push_back(name);
    }
    std::sort(state->names.begin(), state->names.end());
    if (state->names.empty()) {
        delete state;
        return INVALID_HANDLE_VALUE;
    }
    Fill(state->names[state->next++], lpFindFileData);
    return state;
}

BOOL FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData) {
    if (!hFindFile || hFindFile == INVALID_HANDLE_VALUE)
        return FALSE;
    auto* state = static_cast<FindState*>(hFindFile);
    if (state->next >= state->names.size())
        return FALSE;
    Fill(state->names[state->next++], lpFindFileData);
    return TRUE;
}

BOOL FindClose(HANDLE hFindFile) {
    if (!hFindFile || hFindFile == INVALID_HANDLE_VALUE)
        return FALSE;
    delete static_cast<FindState*>(hFindFile);
    return TRUE;
}
