#include "model/AtomicFile.h"

#include "model/ProjectFileError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kUniqueLength = 6; // the XXXXXX of mkstemps

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return (error ? file : absolute).parent_path();
}

// Writes all of the text, or answers the error that stopped it.
int WriteAll(int file, const std::string& text) {
    size_t written = 0;
    while (written < text.size()) {
        ssize_t count = write(file, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : EIO;
        written += static_cast<size_t>(count);
    }
    return 0;
}

} // namespace

std::string AtomicFile::TemporaryPrefix(const std::filesystem::path& path) {
    return "." + path.filename().string() + ".";
}

void AtomicFile::Write(const std::filesystem::path& path, const std::string& text) {
    std::string temporary = (FolderOf(path) / (TemporaryPrefix(path) +
                                               std::string(kUniqueLength, 'X') + kTemporarySuffix))
                                .string();
    int file =
        mkostemps(temporary.data(), static_cast<int>(std::strlen(kTemporarySuffix)), O_CLOEXEC);
    if (file < 0)
        throw ProjectFileError(std::string("a file cannot be created in its folder (") +
                               std::strerror(errno) + ")");
    // Held until the file is closed, also when the process is killed.
    flock(file, LOCK_EX);
    mode_t mask = umask(0);
    umask(mask);
    struct stat existing;
    fchmod(file, stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~mask);
    int problem = WriteAll(file, text);
    if (!problem && fsync(file) != 0)
        problem = errno;
    if (!problem && std::rename(temporary.c_str(), path.c_str()) != 0)
        problem = errno;
    if (problem)
        unlink(temporary.c_str());
    if (close(file) != 0 && !problem)
        problem = errno;
    if (problem)
        throw ProjectFileError(std::string("the file cannot be written (") +
                               std::strerror(problem) + ")");
    RemoveLeftovers(path);
}

// A temporary file that nobody holds locked belongs to a write that was
// killed; one still locked is another process's write in progress.
void AtomicFile::RemoveLeftovers(const std::filesystem::path& path) {
    std::string prefix = TemporaryPrefix(path);
    size_t length = prefix.size() + kUniqueLength + std::strlen(kTemporarySuffix);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FolderOf(path), error)) {
        std::string name = entry.path().filename().string();
        if (name.size() != length || name.compare(0, prefix.size(), prefix) != 0 ||
            !name.ends_with(kTemporarySuffix) || !entry.is_regular_file(error))
            continue;
        int file = open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0)
            continue;
        if (flock(file, LOCK_EX | LOCK_NB) == 0)
            unlink(entry.path().c_str());
        close(file);
    }
}
