#pragma once

#include "model/ProjectContent.h"

#include "framework/String.h"

#include <filesystem>
#include <string>

// Turns a project into the text of a .qmx file: versioned JSON. Cast member
// files below the project's folder are written relative to it (with '/'), all
// others in full. The same project always gives the same text.
class ProjectWriter {
  public:
    explicit ProjectWriter(std::filesystem::path folder);

    std::string Write(const ProjectContent& content) const;

  private:
    std::string FilePath(const String& file) const;

    std::filesystem::path m_folder;
};
