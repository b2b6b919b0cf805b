#pragma once

#include <QTimer>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

class ProjectModel;
class RecoveryStore;

// Keeps the author's unsaved work in recovery copies: while the project has
// unsaved changes, a copy is written in the background at every round of a
// timer; a clean exit removes it, a crash leaves it, and the next start
// offers to restore it. Problems go to the debugger output; without a
// recovery folder the keeper keeps nothing.
class RecoveryKeeper {
  public:
    static constexpr std::chrono::milliseconds kInterval{30000};

    // The owner of the copies is this process unless a test stands for
    // another one.
    RecoveryKeeper(ProjectModel& model, const std::filesystem::path& folder, long owner = getpid());
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    // Called at every round of the timer, before the copy is kept.
    void SetRoundListener(std::function<void()> listener);
    void Start(std::chrono::milliseconds interval = kInterval);

    // Offers the copies of tools that ended without a clean exit, latest
    // first, each in a Yes/No message box: Yes opens it as a changed
    // project with no file name and ends the offers; No deletes it.
    void OfferRestore();
    // The timer's round: writes a copy when the project has changes that no
    // copy holds yet; removes the copy once the changes are saved.
    void KeepCopy();
    // Before New or Open replace the project: a copy of its changes is kept
    // for a later start to offer.
    void KeepBeforeReplacing();
    // A clean exit: the current copy is removed.
    void Finish();

  private:
    void Write(std::string snapshot);
    void ReportProblems();
    std::string ProjectName() const;

    ProjectModel& m_model;
    std::unique_ptr<RecoveryStore> m_pStore;
    QTimer m_timer;
    std::function<void()> m_roundListener;
    // What the current copy holds; empty when there is none.
    std::string m_strCopied;
};
