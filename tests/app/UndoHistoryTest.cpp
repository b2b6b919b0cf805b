#include "app/UndoHistory.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Text that does not compress, so that sizes are what they seem.
std::string Noise(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>(random());
    return text;
}

// A project text of `size` with block `index` of 4 KB rewritten.
UndoHistory::State Edited(UndoHistory::State state, size_t index, unsigned seed) {
    state[0].replace(index * 4096 % (state[0].size() - 4096), 4096, Noise(4096, seed));
    return state;
}

TEST(UndoHistory, StepsGoBackAndForthExactlyAndAnEditAfterAnUndoDropsTheRest) {
    UndoHistory history;
    int notified = 0;
    history.SetChangeListener([&] { ++notified; });
    UndoHistory::State start{Noise(100000, 1), "numbers"};
    history.Reset(start);
    UndoHistory::State moved = Edited(start, 3, 2);
    EXPECT_FALSE(history.Record("Nothing", start));
    EXPECT_TRUE(history.Record("Move", moved));
    UndoHistory::State played = Edited(moved, 9, 3);
    played[1] = "renumbered";
    EXPECT_TRUE(history.Absorb(played));
    EXPECT_EQ(history.GetUndoName(), "Move");
    EXPECT_EQ(history.Undo(), start);
    EXPECT_EQ(history.GetRedoName(), "Move");
    // Playback after the step goes with it: redo gives the state after both.
    EXPECT_EQ(history.Redo(), played);
    history.Undo();
    EXPECT_TRUE(history.Record("Scale", Edited(start, 5, 4)));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.GetStepCount(), 1u);
    // Reset, two records, two undos and a redo; playback is no step.
    EXPECT_EQ(notified, 6);
}

TEST(UndoHistory, TheOldestStepsGoBeyondTheBudgetTheNewestAlwaysStays) {
    struct Case {
        size_t budget, textSize, steps, kept;
    } cases[] = {
        // A 1 MB project with the default budget keeps more than 200 steps.
        {UndoHistory::kDefaultBudget, 1'000'000, 210, 210},
        // Each step holds 8 KB: a 100 KB budget keeps 12 of them.
        {100'000, 200'000, 40, 12},
        // A step larger than the budget is still kept, alone.
        {1'000, 200'000, 3, 1},
    };
    for (const Case& c : cases) {
        UndoHistory history(c.budget);
        UndoHistory::State state{Noise(c.textSize, 7), ""}, oldestKept = state;
        history.Reset(state);
        for (size_t i = 0; i < c.steps; ++i) {
            state = Edited(state, i, static_cast<unsigned>(i + 10));
            history.Record("Step", state);
            if (i + 1 == c.steps - c.kept)
                oldestKept = state;
        }
        EXPECT_EQ(history.GetStepCount(), c.kept) << c.budget;
        EXPECT_TRUE(history.GetStepBytes() <= c.budget || c.kept == 1);
        for (size_t i = 0; i < c.kept; ++i)
            history.Undo();
        EXPECT_FALSE(history.CanUndo());
        EXPECT_EQ(history.GetCurrent(), oldestKept);
    }
}

} // namespace
