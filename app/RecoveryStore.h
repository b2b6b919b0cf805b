#pragma once

#include <chrono>
#include <filesystem>
#include <future>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

// The recovery copies of unsaved projects, in a folder of the user's state
// folder. Every running tool holds a lock on the file "PID.lock" there (the
// kernel releases it however the tool ends); its copies are named
// "PID-MILLISECONDS-NAME.qmx", NAME being the project's file name without
// folder and extension. Copies whose owner's lock is free belong to a tool
// that has ended; only those are offered, so that two running tools never
// take each other's copies.
class RecoveryStore {
  public:
    struct Copy {
        std::filesystem::path path;
        std::string projectName;
        std::filesystem::file_time_type time;
    };

    // $XDG_STATE_HOME/corvane/recovery, or ~/.local/state/corvane/recovery.
    static std::filesystem::path DefaultFolder();

    // Makes the folder and takes the owner's lock; the owner is this
    // process unless a test stands for another one. Throws
    // std::runtime_error naming the folder when that fails.
    explicit RecoveryStore(std::filesystem::path folder, long owner = getpid());
    // Releases the locks; the copies stay.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    const std::filesystem::path& GetFolder() const { return m_folder; }

    // The copies of tools that have ended, latest first. Their owners' locks
    // are held from then on, so that no tool starting meanwhile offers them.
    std::vector<Copy> FindOrphans();
    // Deletes a copy FindOrphans answered.
    void Delete(const Copy& copy);

    // Replaces this tool's current copy with the text, writing it in the
    // background; a new project name gives a new copy and the old one goes.
    void Write(std::string text, const std::string& projectName);
    // The current copy stays for a later start to offer; the next Write
    // makes a new one.
    void Keep();
    // Removes the current copy.
    void Remove();
    // Waits for the write in progress; answers what went wrong with the
    // writes since the last call ("recovery copy PATH: problem"), or nothing.
    std::string Wait();

  private:
    std::filesystem::path LockPath(long pid) const;
    // The lock file's descriptor when its owner has ended, else -1.
    int LockIfEnded(long pid);
    void Settle();

    std::filesystem::path m_folder;
    long m_nOwner;
    int m_nOwnLock = -1;
    // Locks of ended tools whose copies were offered, by process id.
    std::map<long, int> m_orphanLocks;
    std::filesystem::path m_current;
    std::string m_strCurrentName;
    std::string m_strProblem;
    std::future<std::string> m_pending;
};
