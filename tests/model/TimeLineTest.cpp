#include "ModelTestSupport.h"

#include "model/TimeLineStdImpl.h"

#include <climits>

namespace {

class TimeLineTest : public ModelTest {
  protected:
    Pointer<Instance> Add(int row, int start, int stop) {
        return Place("Actor", nullptr, row, start, stop);
    }

    static std::vector<std::string> Starts(const InstanceList& list) {
        std::vector<std::string> starts;
        for (const auto& instance : list)
            starts.push_back(Get(instance, "FrameStart"));
        return starts;
    }
};

TEST_F(TimeLineTest, GetInstancesAnswersTheRowsInstancesOverlappingTheRangeInFrameOrder) {
    Add(1, 30, 39);
    Add(1, 1, 9);
    Add(1, 10, 19);
    Add(2, 5, 50);
    // Overlaps on a row are the caller's affair, but queries stay right.
    Add(4, 1, 100);
    Add(4, 5, 6);
    Add(4, 50, 60);
    using Starts = std::vector<std::string>;
    const std::tuple<int, int, int, Starts> queries[] = {{1, 1, 100, {"1", "10", "30"}},
                                                         {1, 9, 10, {"1", "10"}},
                                                         {1, 20, 29, {}},
                                                         {1, 12, 11, {}},
                                                         {3, 1, 100, {}},
                                                         {2, 50, 50, {"5"}},
                                                         {4, 55, 55, {"1", "50"}},
                                                         {4, 6, 6, {"1", "5"}}};
    for (const auto& [row, first, last, starts] : queries)
        EXPECT_EQ(this->Starts(m_pTimeLine->GetInstances(row, first, last)), starts)
            << "row " << row << ", " << first << " to " << last;
}

TEST_F(TimeLineTest, PlacingMovingAndRemovingKeepFrameStartStopAndTheSelection) {
    auto instance = Add(4, 15, 25);
    EXPECT_EQ(Get(instance, "FrameStart"), "15");
    EXPECT_EQ(Get(instance, "FrameStop"), "25");
    m_pTimeLine->MoveInstance(instance, 2, -3, 7, 4);
    EXPECT_EQ(Get(instance, "FrameStart"), "-3");
    EXPECT_EQ(Get(instance, "FrameStop"), "7");
    EXPECT_TRUE(m_pTimeLine->GetInstances(4, 1, 100).empty());
    EXPECT_EQ(m_pTimeLine->GetInstances(2, 0, 0).size(), 1u);
    // Adding it again moves it too.
    m_pTimeLine->AddInstance(instance, 3, 50, 60);
    EXPECT_TRUE(m_pTimeLine->GetInstances(2, INT_MIN, INT_MAX).empty());
    EXPECT_EQ(m_pTimeLine->GetInstances(3, 1, 100).size(), 1u);
    auto kept = Add(1, 1, 10);
    auto removed = Add(1, 11, 20);
    m_pTimeLine->SetSelectedInstance(removed);
    m_pTimeLine->RemoveInstance(removed, 0);
    EXPECT_EQ(m_pTimeLine->GetInstances(1, 1, 100).size(), 1u);
    EXPECT_FALSE(m_pTimeLine->GetSelectedInstance());
    m_pTimeLine->RemoveInstance(removed, 0); // not on the time line any more: nothing happens
    m_pTimeLine->SetSelectedInstance(kept);
    EXPECT_TRUE(m_pTimeLine->GetSelectedInstance() == kept);
}

TEST_F(TimeLineTest, EditingFrameStartOrFrameStopAsAPropertyMovesTheInstance) {
    auto instance = Add(1, 10, 20);
    ASSERT_TRUE(Set(instance, "FrameStart", "40"));
    ASSERT_TRUE(Set(instance, "FrameStop", "45"));
    EXPECT_TRUE(m_pTimeLine->GetInstances(1, 10, 39).empty());
    EXPECT_EQ(m_pTimeLine->GetInstances(1, 45, 45).size(), 1u);
    m_pTimeLine->RemoveInstance(instance, 0);
    EXPECT_TRUE(
        Set(instance, "FrameStart", "1")); // off the time line the property is only a property
    EXPECT_TRUE(m_pTimeLine->GetInstances(1, 1, 100).empty());
}

TEST_F(TimeLineTest, RowsHoldManyInstancesAndStayOrderedThroughMovesAndRemovals) {
    std::vector<Pointer<Instance>> row;
    for (int i = 0; i < 500; ++i)
        row.push_back(Add(7, i * 10 + 1, i * 10 + 10));
    for (int i = 0; i < 500; i += 3)
        m_pTimeLine->RemoveInstance(row[static_cast<size_t>(i)], 0);
    m_pTimeLine->MoveInstance(row[1], 7, 100000, 100005, 7);
    InstanceList all = m_pTimeLine->GetInstances(7, INT_MIN, INT_MAX);
    ASSERT_EQ(all.size(), 333u);
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_LT(std::stoi(Get(all[i - 1], "FrameStart")), std::stoi(Get(all[i], "FrameStart")));
    EXPECT_TRUE(all.back() == row[1]);
    EXPECT_EQ(m_pTimeLine->GetInstances(7, 21, 21).size(), 1u);
    EXPECT_TRUE(m_pTimeLine->GetInstances(7, 1, 10).empty());
}

TEST_F(TimeLineTest, InstancesAliveAtAFrameAndTheLastFrameSpanAllRows) {
    auto timeLine =
        GetSharedObjects()->GetObjectA("Time Line").As<TimeLineStdImpl>("TimeLineStdImpl");
    EXPECT_EQ(timeLine->GetLastFrame(), 0);
    Add(2, 1, 10);
    Add(1, 5, 30);
    Add(1, 31, 40);
    EXPECT_EQ(timeLine->GetInstancesAt(7).size(), 2u);
    EXPECT_EQ(timeLine->GetLastFrame(), 40);
    auto placements = timeLine->GetPlacements();
    ASSERT_EQ(placements.size(), 3u);
    EXPECT_EQ(placements[0].row, 1);
    EXPECT_EQ(placements[0].start, 5);
    EXPECT_EQ(placements[2].row, 2);
    EXPECT_EQ(placements[2].id, 1u);
}

} // namespace
