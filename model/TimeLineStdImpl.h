#pragma once

#include "model/PlacementListener.h"
#include "model/TimeLineRow.h"

#include "host/TimeLine.h"

#include "framework/SharedObject.h"

#include <cstdint>
#include <map>
#include <unordered_map>

class InstanceBase;

// "Time Line": numbered rows of instances over inclusive frame ranges. It
// keeps each instance's "FrameStart" and "FrameStop" up to date and follows
// when they are edited as properties. Whether instances of a row overlap is
// for its callers to check; the time line stores what it is given.
class TimeLineStdImpl : public TimeLine, public SharedObject, private PlacementListener {
  public:
    struct Placement {
        Pointer<Instance> instance;
        int row;
        int start;
        int stop;
        std::uint64_t id; // numbered from 1 in the order of placing
    };

    ~TimeLineStdImpl() override;

    void* FindInterface(const char* name) override;
    String GetSharedName() override { return "Time Line"; }

    InstanceList GetInstances(int row, int firstFrame, int lastFrame) override;
    // Placing an instance that is already on the time line moves it.
    void AddInstance(Pointer<Instance> instance, int row, int frameStart, int frameStop) override;
    void RemoveInstance(Pointer<Instance> instance, int unused) override;
    // The row the instance is in is known; oldRow is not needed.
    void MoveInstance(Pointer<Instance> instance, int row, int frameStart, int frameStop,
                      int oldRow) override;
    void SetSelectedInstance(Pointer<Instance> instance) override;
    Pointer<Instance> GetSelectedInstance() override;
    // Brings every row's index up to date, so that playback queries do no
    // rebuilding of their own.
    void PrepareForPlay() override;

    // Every placement, by row and then by first frame.
    std::vector<Placement> GetPlacements() const;
    // The instances alive at a frame, by row and then by first frame.
    InstanceList GetInstancesAt(int frame) const;
    // The latest last frame of any instance; 0 for an empty time line.
    int GetLastFrame() const;
    // Where an instance is placed; false when it is not on the time line.
    bool GetPlacement(Instance* instance, Placement& out) const;
    // Removes everything; numbering starts at 1 again.
    void Clear();
    // Makes room for that many instances in all, as before placing a
    // project's instances.
    void Reserve(size_t count);
    // The placements' numbers in the order of GetPlacements, then the next
    // number to give.
    std::vector<std::uint64_t> GetNumbers() const;
    // Gives the placements back numbers that GetNumbers answered for the same
    // placements in the same order; false, changing nothing, when the count
    // does not fit.
    bool Renumber(const std::vector<std::uint64_t>& numbers);

  private:
    struct Record {
        int row;
        int start;
        int stop;
        std::uint64_t id;
        InstanceBase* model; // the instance as one of the model's; null for others
    };

    void Place(const Pointer<Instance>& instance, const Record& record);
    void Unplace(Instance* instance, const Record& record);
    void WriteFrames(const Pointer<Instance>& instance, int start, int stop);
    static void Listen(const Record& record, PlacementListener* listener);
    void OnPlacementEdited(Instance* instance) override;

    std::unordered_map<Instance*, Record> m_records;
    std::map<int, TimeLineRow> m_rows;
    Pointer<Instance> m_pSelected;
    std::uint64_t m_nNextId = 1;
    bool m_bWritingFrames = false;
};
