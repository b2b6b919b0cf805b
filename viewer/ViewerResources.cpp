#include "viewer/ViewerResources.h"

#include "viewer/ViewerError.h"

#include "tools/ResourceError.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kProject = "PROJECT";

// A medium's name must stay inside the folder it is written to.
bool IsMediumName(const std::string& name) {
    fs::path path = fs::path(name).lexically_normal();
    return name.rfind("media/", 0) == 0 && path.is_relative() && *path.begin() == "media" &&
           path.filename() != "" && path.filename() != "..";
}

void Write(const fs::path& file, const std::string& data) {
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!out.flush())
        throw ViewerError("it cannot write its project into \"" + file.parent_path().string() +
                          "\"");
}

} // namespace

ViewerResources ViewerResources::Read(const std::string& executable) {
    std::ifstream in(executable, std::ios::binary);
    if (!in)
        throw ViewerError("its resources are missing: the program \"" + executable +
                          "\" cannot be read");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string program = bytes.str();
    ViewerResources resources;
    try {
        resources.m_entries = ResourceFile::Parse(ResourceFile::Attached(program));
    } catch (const ResourceError& error) {
        throw ViewerError(std::string("its resources are missing or damaged: ") + error.what());
    }
    bool project = false;
    for (const auto& entry : resources.m_entries) {
        if (entry.name == kProject)
            project = true;
        else if (!IsMediumName(entry.name))
            throw ViewerError("its resources are damaged: they hold an unknown entry \"" +
                              entry.name + "\"");
    }
    if (!project)
        throw ViewerError("its resources are missing the project");
    return resources;
}

std::string ViewerResources::Extract(const std::string& folder) const {
    fs::path project = fs::path(folder) / "project.qmx";
    for (const auto& entry : m_entries)
        Write(entry.name == kProject ? project : fs::path(folder) / entry.name, entry.data);
    return project.string();
}
