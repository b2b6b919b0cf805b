#pragma once

#include <filesystem>
#include <string>

// Files that are replaced whole: the text goes to a temporary file beside the
// target, which is renamed over the target once it is complete and on disk.
// Whenever the process dies, the target holds either its old text or the new
// one. While it is written, the temporary file is locked (flock), so that the
// temporary file of a writer that was killed can be told from one in use.
class AtomicFile {
  public:
    // Throws ProjectFileError naming the problem. After a successful write,
    // the temporary files that killed writes of the same target left behind
    // are removed.
    static void Write(const std::filesystem::path& path, const std::string& text);

  private:
    static void RemoveLeftovers(const std::filesystem::path& path);
    // The name of the temporary files of a target, around the unique part.
    static std::string TemporaryPrefix(const std::filesystem::path& path);
    static constexpr const char* kTemporarySuffix = ".part";
};
