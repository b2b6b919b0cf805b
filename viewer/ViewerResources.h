#pragma once

#include "tools/ResourceFile.h"

#include <string>
#include <vector>

// The resources that the linker attached to the viewer program: the project
// ("PROJECT") and its media ("media/N/NAME", the names the project uses).
class ViewerResources {
  public:
    // Reads them from the executable file. Throws ViewerError saying what is
    // missing or damaged.
    static ViewerResources Read(const std::string& executable);

    // Writes the project and its media into a folder, as a project folder
    // holds them, and returns the project's path.
    std::string Extract(const std::string& folder) const;

  private:
    std::vector<ResourceFile::Entry> m_entries;
};
