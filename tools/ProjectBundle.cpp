#include "tools/ProjectBundle.h"

#include "tools/ResourceError.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

std::string ReadFile(const fs::path& file, const std::string& what) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in.is_open() || in.bad())
        throw ResourceError("cannot read " + what + " \"" + file.string() + "\" (" +
                            std::strerror(errno) + ")");
    return text.str();
}

// Gathers the media while the project's cast entries are rewritten.
class MediaCollector {
  public:
    MediaCollector(fs::path folder, std::string project)
        : m_folder(std::move(folder)), m_project(std::move(project)) {}

    void Rewrite(Json& castEntry) {
        if (!castEntry.is_object() || !castEntry.contains("file") || !castEntry["file"].is_string())
            return;
        std::string written = castEntry["file"].get<std::string>();
        std::string file = written;
        std::replace(file.begin(), file.end(), '\\', '/');
        fs::path path = fs::path(file).is_relative() ? m_folder / file : fs::path(file);
        path = path.lexically_normal();
        auto known = m_names.find(path);
        if (known == m_names.end()) {
            std::error_code error;
            if (!fs::is_regular_file(path, error))
                throw ResourceError("the medium \"" + written + "\" of the project " + m_project +
                                    " is not there (looked for " + path.string() + ")");
            std::string name =
                "media/" + std::to_string(m_names.size() + 1) + "/" + path.filename().string();
            m_entries.push_back({name, ReadFile(path, "the medium")});
            known = m_names.emplace(path, name).first;
        }
        castEntry["file"] = known->second;
    }

    std::vector<ResourceFile::Entry>& Entries() { return m_entries; }

  private:
    fs::path m_folder;
    std::string m_project;
    std::map<fs::path, std::string> m_names;
    std::vector<ResourceFile::Entry> m_entries;
};

} // namespace

std::vector<ResourceFile::Entry> ProjectBundle::Make(const std::string& resourceName,
                                                     const fs::path& project,
                                                     const fs::path& mediaFolder) {
    std::string quoted = "\"" + project.string() + "\"";
    Json root = Json::parse(ReadFile(project, "the project"), nullptr, false);
    if (root.is_discarded() || !root.is_object() || !root.contains("format") ||
        root["format"] != "Corvane project")
        throw ResourceError("the project " + quoted + " is not a Corvane project file");

    MediaCollector media(mediaFolder, quoted);
    if (root.contains("cast") && root["cast"].is_array())
        for (Json& entry : root["cast"])
            media.Rewrite(entry);
    if (root.contains("instances") && root["instances"].is_array())
        for (Json& instance : root["instances"])
            if (instance.is_object() && instance.contains("cast"))
                media.Rewrite(instance["cast"]);

    std::vector<ResourceFile::Entry> entries{{resourceName, root.dump(2)}};
    for (auto& entry : media.Entries())
        entries.push_back(std::move(entry));
    return entries;
}
