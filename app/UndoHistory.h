#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// The steps the author can take back and do again. The history holds the
// state after the last step done in full and, for each step, only what
// changed: the part of each piece of the state between what stayed the same
// at its beginning and at its end, before and after, compressed when large.
// The oldest steps go first once the steps take more memory than the budget;
// the newest step always stays.
class UndoHistory {
  public:
    // A state of the project, in pieces compared one by one (the project's
    // text, the numbering of its placements).
    using State = std::vector<std::string>;

    static constexpr size_t kDefaultBudget = size_t(256) * 1024 * 1024;

    explicit UndoHistory(size_t budget = kDefaultBudget) : m_nBudget(budget) {}

    // Forgets every step; the state is where the next step starts.
    void Reset(State current);
    const State& GetCurrent() const { return m_current; }

    // A step of the author from the current state to `after`, replacing the
    // steps that were undone. False, recording nothing, when nothing changed.
    bool Record(std::string name, State after);
    // Changes the author did not make (playback running scripts) go with the
    // step done last, so that undoing it still gives the state before it;
    // the steps that were undone are dropped. False when nothing changed.
    bool Absorb(State after);

    bool CanUndo() const { return m_nDone > 0; }
    bool CanRedo() const { return m_nDone < m_steps.size(); }
    // The name of the step Undo or Redo would take; empty when there is none.
    std::string GetUndoName() const;
    std::string GetRedoName() const;
    // Take back the last step done, or do again the last one undone, and
    // answer the state it gives; the current state when there is none.
    const State& Undo();
    const State& Redo();

    size_t GetStepCount() const { return m_steps.size(); }
    // The memory the steps hold, the current state left out.
    size_t GetStepBytes() const { return m_nStepBytes; }

    // Called after a step was recorded, undone or redone, and after Reset.
    void SetChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

  private:
    // Text as kept: compressed when that pays.
    struct Stored {
        std::string data;
        size_t size = 0;
        bool compressed = false;
    };
    // One piece of the state: its text from `offset` on, `before` and `after`.
    struct Change {
        size_t piece;
        size_t offset;
        Stored before;
        Stored after;
    };
    struct Step {
        std::string name;
        std::vector<Change> changes; // applied in order to redo, backwards to undo
        size_t bytes = 0;
    };

    static Stored Store(std::string text);
    static std::string Fetch(const Stored& stored);
    // The changes from the current state to `after`; empty when equal.
    std::vector<Change> Compare(const State& after) const;
    void DropUndone();
    void KeepWithinBudget();
    void Notify() const;

    size_t m_nBudget;
    State m_current;
    std::deque<Step> m_steps;
    size_t m_nDone = 0; // the steps before this index are done
    size_t m_nStepBytes = 0;
    std::function<void()> m_listener;
};
