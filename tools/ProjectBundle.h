#pragma once

#include "tools/ResourceFile.h"

#include <filesystem>
#include <string>
#include <vector>

// A Corvane project as resources: the project itself, under its resource
// name, and every medium its cast members name, each under "media/N/NAME".
// The project's file names are rewritten to those names, so that a project
// written out beside its media opens wherever that happens.
class ProjectBundle {
  public:
    // mediaFolder is the folder against which the project's relative media
    // paths are resolved: the folder of the project that was saved, which
    // need not be the folder of the file read. Throws ResourceError naming
    // the project or the medium that cannot be read.
    static std::vector<ResourceFile::Entry> Make(const std::string& resourceName,
                                                 const std::filesystem::path& project,
                                                 const std::filesystem::path& mediaFolder);
};
