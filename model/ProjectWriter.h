#pragma once

#include "model/InstanceTextCache.h"
#include "model/ProjectContent.h"

#include "framework/String.h"

#include <filesystem>
#include <string>

// Turns a project into the text of a .qmx file: versioned JSON. Cast member
// files below the project's folder are written relative to it (with '/'), all
// others in full. The same project always gives the same text, whatever was
// kept between writes.
class ProjectWriter {
  public:
    // cache: where the model's instances keep their written text between
    // writes; null to write everything.
    explicit ProjectWriter(std::filesystem::path folder, InstanceTextCache* cache = nullptr);

    std::string Write(const ProjectContent& content) const;

  private:
    std::string FilePath(const String& file) const;

    std::filesystem::path m_folder;
    InstanceTextCache* m_pCache;
};
