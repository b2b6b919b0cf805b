#pragma once

#include "model/ProjectContent.h"

#include <filesystem>
#include <string_view>

// Reads the text of a .qmx file into new objects, creating every class by
// its registered name. Cast members are created but not loaded (their files
// are read once the whole project proved sound). Anything damaged,
// truncated, foreign or too new throws a ProjectFileError that says what and
// where.
class ProjectReader {
  public:
    // folder: the project file's folder, against which relative cast member
    // files are resolved.
    explicit ProjectReader(std::filesystem::path folder);

    ProjectContent Read(std::string_view text) const;

  private:
    std::filesystem::path m_folder;
};
