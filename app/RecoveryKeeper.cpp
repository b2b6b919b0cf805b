#include "app/RecoveryKeeper.h"

#include "app/RecoveryStore.h"

#include "framework/Debugger.h"
#include "model/ProjectModel.h"
#include "platform/MessageBox.h"

#include <ctime>
#include <stdexcept>

namespace {

std::string LocalTime(std::filesystem::file_time_type time) {
    std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(time));
    char text[32] = "";
    std::tm local{};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", localtime_r(&seconds, &local));
    return text;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(ProjectModel& model, const std::filesystem::path& folder, long owner)
    : m_model(model) {
    try {
        m_pStore = std::make_unique<RecoveryStore>(folder, owner);
    } catch (const std::runtime_error& error) {
        TVK::GetDebugger()->PrintError("No recovery copies will be kept: %s\n", error.what());
    }
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_roundListener)
            m_roundListener();
        KeepCopy();
    });
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::SetRoundListener(std::function<void()> listener) {
    m_roundListener = std::move(listener);
}

void RecoveryKeeper::Start(std::chrono::milliseconds interval) {
    m_timer.start(interval);
}

void RecoveryKeeper::OfferRestore() {
    if (!m_pStore)
        return;
    for (const RecoveryStore::Copy& copy : m_pStore->FindOrphans()) {
        std::string text = "Corvane kept a recovery copy of unsaved changes to the project \"" +
                           copy.projectName + "\" (" + LocalTime(copy.time) +
                           ").\n\nRestore it? No deletes the copy.";
        if (AfxMessageBox(text.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) {
            m_pStore->Delete(copy);
            continue;
        }
        // A copy that cannot be read stays where it is, named in the message.
        if (!m_model.Recover(copy.path.string()))
            continue;
        // Adopted: this tool's own copy holds it before the old one goes.
        Write(m_model.Snapshot());
        ReportProblems();
        m_pStore->Delete(copy);
        return;
    }
}

void RecoveryKeeper::KeepCopy() {
    if (!m_pStore)
        return;
    ReportProblems();
    if (!m_model.IsModified()) {
        if (!m_strCopied.empty())
            m_pStore->Remove();
        m_strCopied.clear();
        return;
    }
    std::string snapshot = m_model.Snapshot();
    if (snapshot != m_strCopied)
        Write(std::move(snapshot));
}

void RecoveryKeeper::KeepBeforeReplacing() {
    if (!m_pStore || !m_model.IsModified())
        return;
    KeepCopy();
    m_pStore->Keep();
    ReportProblems();
    m_strCopied.clear();
}

void RecoveryKeeper::Finish() {
    m_timer.stop();
    if (!m_pStore)
        return;
    m_pStore->Remove();
    ReportProblems();
    m_strCopied.clear();
}

void RecoveryKeeper::Write(std::string snapshot) {
    m_strCopied = snapshot;
    m_pStore->Write(std::move(snapshot), ProjectName());
}

void RecoveryKeeper::ReportProblems() {
    if (std::string problem = m_pStore->Wait(); !problem.empty())
        TVK::GetDebugger()->PrintError("Unable to keep a %s\n", problem.c_str());
}

std::string RecoveryKeeper::ProjectName() const {
    std::string file = m_model.GetFileName();
    std::string stem = std::filesystem::path(file).stem().string();
    return file.empty() || stem.empty() ? "Untitled" : stem;
}
