#include "framework/WorkFolder.h"

#include "framework/AppPath.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Written by Generate EXE and the resource compiler; a link here would lead
// the writes back into the application folder.
bool IsWrittenByTheTool(const fs::path& relative) {
    return relative == "linkcmd.bat" || relative == "obj/temp.qm$" || relative == "obj/Viewer.res";
}

// Makes work/relative a link to app/relative unless it is one already.
void Link(const fs::path& app, const fs::path& work, const fs::path& relative) {
    if (IsWrittenByTheTool(relative))
        return;
    const fs::path target = app / relative;
    const fs::path link = work / relative;
    std::error_code error;
    if (fs::is_symlink(link, error)) {
        if (fs::read_symlink(link, error) == target)
            return;
        fs::remove(link, error);
    } else if (fs::exists(link, error)) {
        return; // a file of the work folder's own
    }
    fs::create_symlink(target, link, error);
}

fs::path UserWorkFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    fs::path base = cache && *cache ? fs::path(cache)
                    : home && *home ? fs::path(home) / ".cache"
                                    : fs::temp_directory_path();
    return base / "corvane" / "work";
}

} // namespace

bool WorkFolder::Mirror(const std::string& app, const std::string& work) {
    std::error_code error;
    fs::create_directories(fs::path(work) / "obj", error);
    if (error)
        return false;
    for (const auto& entry : fs::directory_iterator(app, error)) {
        const fs::path name = entry.path().filename();
        if (name != "obj")
            Link(app, work, name);
    }
    for (const auto& entry : fs::directory_iterator(fs::path(app) / "obj", error))
        Link(app, work, fs::path("obj") / entry.path().filename());
    return true;
}

String WorkFolder::GetPath(const String& relative) {
    const std::string app = GetAppPath().str();
    if (access(app.c_str(), W_OK) == 0)
        return GetAppPath(relative);
    const std::string work = UserWorkFolder().string() + "/";
    if (!Mirror(app, work))
        return GetAppPath(relative);
    return String(work + relative.str());
}
