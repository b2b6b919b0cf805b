#include "app/UndoController.h"

#include "model/ProjectModel.h"
#include "platform/Automation.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QThread>

#include <cstring>

namespace {

std::string NumbersText(const std::vector<std::uint64_t>& numbers) {
    std::string text(numbers.size() * sizeof(std::uint64_t), '\0');
    if (!numbers.empty())
        std::memcpy(text.data(), numbers.data(), text.size());
    return text;
}

std::vector<std::uint64_t> NumbersOf(const std::string& text) {
    std::vector<std::uint64_t> numbers(text.size() / sizeof(std::uint64_t));
    if (!numbers.empty())
        std::memcpy(numbers.data(), text.data(), numbers.size() * sizeof(std::uint64_t));
    return numbers;
}

std::string ItemText(const char* action, const std::string& name, const char* shortcut) {
    return std::string(action) + (name.empty() ? "" : " " + name) + "\t" + shortcut;
}

} // namespace

UndoController::UndoController(ProjectModel& model) : m_model(model) {
    m_history.Reset(Capture());
    m_model.SetReplaceListener([this] {
        m_bStale = false;
        m_history.Reset(Capture());
    });
}

UndoController::~UndoController() {
    m_model.SetReplaceListener(nullptr);
}

// Built in place: a list initialiser would copy the megabytes of the text.
UndoHistory::State UndoController::Capture() const {
    UndoHistory::State state;
    state.reserve(2);
    state.push_back(m_model.Snapshot());
    state.push_back(NumbersText(m_model.GetPlacementNumbers()));
    return state;
}

void UndoController::BeginGesture(const std::string& name) {
    if (m_bOpen)
        return;
    Flush();
    m_bOpen = true;
    // A gesture whose step could not be recorded yet goes on in this one.
    if (m_bPending)
        return;
    TakeUpPlaybackChanges();
    m_bPending = true;
    m_strName = name;
    m_naming = Naming::Input;
    m_nDialogsBefore = Automation::Instance().GetDialogs().size();
    m_nLoopLevel = QThread::currentThread()->loopLevel();
}

void UndoController::RenameGesture(const std::string& name, Naming naming) {
    if (m_bPending && naming >= m_naming) {
        m_strName = name;
        m_naming = naming;
    }
}

void UndoController::EndGesture() {
    if (!m_bOpen)
        return;
    m_bOpen = false;
    QMetaObject::invokeMethod(
        &m_queue, [this] { Flush(); }, Qt::QueuedConnection);
}

// A command chosen with the mouse or a key belongs to that gesture.
void UndoController::BeginCommand(const std::string& name) {
    m_bCommandOpen = !m_bPending;
    if (m_bCommandOpen)
        BeginGesture(name);
    RenameGesture(name, Naming::Command);
}

void UndoController::EndCommand() {
    if (!m_bCommandOpen)
        return;
    m_bCommandOpen = false;
    EndGesture();
}

void UndoController::Flush() {
    if (!m_bPending || m_bOpen)
        return;
    // The dialog of a gesture is still open: its values are not in yet.
    if (QApplication::activeModalWidget() || QThread::currentThread()->loopLevel() > m_nLoopLevel)
        return;
    m_bPending = false;
    const auto& dialogs = Automation::Instance().GetDialogs();
    if (m_naming == Naming::Input && dialogs.size() > m_nDialogsBefore)
        m_strName = dialogs.back().caption;
    m_history.Record(m_strName, Capture());
}

void UndoController::OnFrameChange() {
    if (!m_bRestoring && !m_bPending)
        m_bStale = true;
}

void UndoController::TakeUpPlaybackChanges() {
    if (!m_bStale)
        return;
    m_bStale = false;
    m_history.Absorb(Capture());
}

bool UndoController::CanUndo() {
    Flush();
    return m_history.CanUndo();
}

bool UndoController::CanRedo() {
    Flush();
    return m_history.CanRedo();
}

std::string UndoController::GetUndoText() {
    return ItemText("&Undo", CanUndo() ? m_history.GetUndoName() : "", "Ctrl+Z");
}

std::string UndoController::GetRedoText() {
    return ItemText("&Redo", CanRedo() ? m_history.GetRedoName() : "", "Ctrl+Y");
}

void UndoController::Undo() {
    Flush();
    TakeUpPlaybackChanges();
    if (!m_history.CanUndo())
        return;
    std::string name = m_history.GetUndoName();
    Restore(m_history.Undo(), "undo", name);
}

void UndoController::Redo() {
    Flush();
    TakeUpPlaybackChanges();
    if (!m_history.CanRedo())
        return;
    std::string name = m_history.GetRedoName();
    Restore(m_history.Redo(), "redo", name);
}

void UndoController::Restore(const UndoHistory::State& state, const std::string& action,
                             const std::string& name) {
    m_bRestoring = true;
    bool restored = state.size() == 2 && m_model.Restore(state[0], NumbersOf(state[1]));
    m_bRestoring = false;
    if (restored)
        return;
    // The project is left as it was; only the history is lost.
    m_history.Reset(Capture());
    AfxMessageBox(("Unable to " + action + " \"" + name +
                   "\": the project's former state cannot be read back. The history of "
                   "changes starts again from the project as it is.")
                      .c_str(),
                  MB_OK | MB_ICONHAND);
}

void UndoController::SetChangeListener(std::function<void()> listener) {
    m_history.SetChangeListener(std::move(listener));
}
