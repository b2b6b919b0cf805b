#include "app/RecoveryStore.h"

#include "model/AtomicFile.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace {

// "PID-MILLISECONDS-NAME.qmx": the owner's process id, else -1.
long OwnerOf(const std::filesystem::path& copy, std::string* projectName) {
    std::string name = copy.filename().string();
    size_t first = name.find('-');
    size_t second = first == std::string::npos ? first : name.find('-', first + 1);
    if (second == std::string::npos || !name.ends_with(".qmx") || first == 0 ||
        name.find_first_not_of("0123456789") != first ||
        name.find_first_not_of("0123456789", first + 1) != second)
        return -1;
    *projectName = name.substr(second + 1, name.size() - 4 - second - 1);
    return std::atol(name.c_str());
}

} // namespace

std::filesystem::path RecoveryStore::DefaultFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path base =
        state && *state ? std::filesystem::path(state)
                        : std::filesystem::path(home ? home : "/tmp") / ".local" / "state";
    return base / "corvane" / "recovery";
}

RecoveryStore::RecoveryStore(std::filesystem::path folder, long owner)
    : m_folder(std::move(folder)), m_nOwner(owner) {
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error)
        throw std::runtime_error("cannot make the recovery folder " + m_folder.string() + ": " +
                                 error.message());
    m_nOwnLock = open(LockPath(m_nOwner).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_nOwnLock >= 0 && flock(m_nOwnLock, LOCK_EX | LOCK_NB) == 0)
        return;
    if (m_nOwnLock >= 0)
        close(m_nOwnLock);
    throw std::runtime_error("cannot lock " + LockPath(m_nOwner).string());
}

RecoveryStore::~RecoveryStore() {
    Settle();
    for (const auto& [pid, lock] : m_orphanLocks)
        close(lock);
    if (m_nOwnLock >= 0) {
        // Once the current copy is gone the file has served; the copies this
        // tool kept are offered all the same, a missing lock counting as free.
        if (m_current.empty())
            unlink(LockPath(m_nOwner).c_str());
        close(m_nOwnLock);
    }
}

std::filesystem::path RecoveryStore::LockPath(long pid) const {
    return m_folder / (std::to_string(pid) + ".lock");
}

int RecoveryStore::LockIfEnded(long pid) {
    if (pid == m_nOwner)
        return -1;
    if (auto held = m_orphanLocks.find(pid); held != m_orphanLocks.end())
        return held->second;
    int lock = open(LockPath(pid).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0)
        return -1;
    if (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        close(lock);
        return -1;
    }
    m_orphanLocks[pid] = lock;
    return lock;
}

std::vector<RecoveryStore::Copy> RecoveryStore::FindOrphans() {
    std::vector<Copy> copies;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error)) {
        std::string projectName;
        long pid = OwnerOf(entry.path(), &projectName);
        if (pid > 0 && entry.is_regular_file(error) && LockIfEnded(pid) >= 0)
            copies.push_back({entry.path(), projectName, entry.last_write_time(error)});
    }
    std::sort(copies.begin(), copies.end(),
              [](const Copy& a, const Copy& b) { return a.time > b.time; });
    return copies;
}

void RecoveryStore::Delete(const Copy& copy) {
    std::error_code error;
    std::filesystem::remove(copy.path, error);
    std::string projectName;
    long pid = OwnerOf(copy.path, &projectName);
    auto held = m_orphanLocks.find(pid);
    if (held == m_orphanLocks.end())
        return;
    std::string prefix = std::to_string(pid) + "-";
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, error))
        if (entry.path().filename().string().starts_with(prefix))
            return;
    unlink(LockPath(pid).c_str());
    close(held->second);
    m_orphanLocks.erase(held);
}

void RecoveryStore::Write(std::string text, const std::string& projectName) {
    Settle();
    std::filesystem::path previous = m_current;
    if (m_current.empty() || projectName != m_strCurrentName) {
        auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        m_current = m_folder / (std::to_string(m_nOwner) + "-" + std::to_string(now.count()) + "-" +
                                projectName + ".qmx");
        m_strCurrentName = projectName;
    }
    m_pending =
        std::async(std::launch::async, [target = m_current, previous, text = std::move(text)] {
            try {
                AtomicFile::Write(target, text);
            } catch (const std::exception& error) {
                return "recovery copy " + target.string() + ": " + error.what();
            }
            if (!previous.empty() && previous != target)
                unlink(previous.c_str());
            return std::string();
        });
}

void RecoveryStore::Keep() {
    Settle();
    m_current.clear();
}

void RecoveryStore::Remove() {
    Settle();
    if (!m_current.empty())
        unlink(m_current.c_str());
    m_current.clear();
}

std::string RecoveryStore::Wait() {
    Settle();
    return std::exchange(m_strProblem, std::string());
}

void RecoveryStore::Settle() {
    if (!m_pending.valid())
        return;
    if (std::string problem = m_pending.get(); !problem.empty())
        m_strProblem = problem;
}
