#include "framework/AppPath.h"

#include <filesystem>

String GetAppPath(const String& relative) {
    static const std::string folder = [] {
        std::error_code error;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
        std::string dir =
            error ? std::filesystem::current_path().string() : exe.parent_path().string();
        return dir + "/";
    }();
    return String(folder + relative.str());
}
