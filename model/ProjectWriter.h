#pragma once

#include "model/InstanceTextCache.h"
#include "model/JsonTextWriter.h"
#include "model/ProjectContent.h"

#include "host/HasProperties.h"

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
    // The place of an instance's cast member in the cast list, or one of these.
    static constexpr int kNoCastMember = -1;
    static constexpr int kOwnCastMember = -2;

    std::string FilePath(const String& file) const;
    void WriteCastMember(JsonTextWriter& out, const Pointer<CastMember>& member) const;
    // The instance's object in the instances' list.
    std::string WriteInstance(const ProjectContent::PlacedInstance& placed, int cast,
                              const Pointer<HasProperties>& fresh) const;

    std::filesystem::path m_folder;
    InstanceTextCache* m_pCache;
};
