#pragma once

#include "model/ProjectContent.h"

#include <cstddef>
#include <filesystem>
#include <string>

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

    // Spare capacity of the text's string beyond its end that lets the
    // parser read the text in place instead of copying it.
    static const size_t kPadding;

    ProjectContent Read(const std::string& text) const;

  private:
    std::filesystem::path m_folder;
};
