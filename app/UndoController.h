#pragma once

#include "app/UndoHistory.h"

#include <QObject>

#include <functional>
#include <string>

class ProjectModel;

// Undo and redo for the host: one step per gesture of the author. A gesture
// runs from its first input (a press, a key, a menu command) to its end (the
// last button released, the key released, the command done); once it ended
// and no modal dialog is open, the project is compared with the state the
// history holds, and a step is recorded when it differs. So a gesture costs
// one snapshot of the project, at its end, and nothing while a drag goes on.
// File New and Open start a new history; changes made by playback go with the
// step done before them.
class UndoController {
  public:
    // How much a name says about a gesture: a later name replaces an earlier
    // one that says less.
    enum class Naming { Input, Dialog, Command };

    explicit UndoController(ProjectModel& model);
    ~UndoController();
    UndoController(const UndoController&) = delete;
    UndoController& operator=(const UndoController&) = delete;

    // The first input of a gesture, or (while one is open) more of it.
    void BeginGesture(const std::string& name);
    void RenameGesture(const std::string& name, Naming naming);
    // The gesture's input ended; its step is recorded once the events of the
    // moment have been handled.
    void EndGesture();
    bool IsGestureOpen() const { return m_bOpen; }
    // A menu command: a gesture of its own unless it is part of one.
    void BeginCommand(const std::string& name);
    void EndCommand();
    // Records the step of an ended gesture now, when no modal dialog is open.
    void Flush();

    // The current frame changed: outside a gesture, playback may have run
    // scripts that changed the project.
    void OnFrameChange();

    bool CanUndo();
    bool CanRedo();
    // "&Undo Move\tCtrl+Z", "&Redo\tCtrl+Y" ...
    std::string GetUndoText();
    std::string GetRedoText();
    void Undo();
    void Redo();

    // Called after a step is recorded, undone or redone, and when the history
    // starts again.
    void SetChangeListener(std::function<void()> listener);
    const UndoHistory& GetHistory() const { return m_history; }

  private:
    UndoHistory::State Capture() const;
    void Restore(const UndoHistory::State& state, const std::string& action,
                 const std::string& name);
    void TakeUpPlaybackChanges();

    ProjectModel& m_model;
    UndoHistory m_history;
    // Owns the queued calls, so that none runs after the controller is gone.
    QObject m_queue;
    bool m_bOpen = false;
    bool m_bPending = false;
    bool m_bStale = false;
    bool m_bRestoring = false;
    bool m_bCommandOpen = false;
    std::string m_strName;
    Naming m_naming = Naming::Input;
    size_t m_nDialogsBefore = 0;
    int m_nLoopLevel = 0;
};
