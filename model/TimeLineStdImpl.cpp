#include "model/TimeLineStdImpl.h"

#include "model/InstanceBase.h"
#include "model/PropertyText.h"

#include "host/HasProperties.h"

#include "framework/InterfaceQuery.h"

#include <algorithm>

TimeLineStdImpl::~TimeLineStdImpl() {
    Clear();
}

void* TimeLineStdImpl::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("TimeLine", static_cast<TimeLine*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("TimeLineStdImpl", this)
        .Result();
}

InstanceList TimeLineStdImpl::GetInstances(int row, int firstFrame, int lastFrame) {
    InstanceList found;
    auto place = m_rows.find(row);
    if (place != m_rows.end())
        place->second.Collect(firstFrame, lastFrame, found);
    return found;
}

void TimeLineStdImpl::AddInstance(Pointer<Instance> instance, int row, int frameStart,
                                  int frameStop) {
    if (!instance)
        return;
    auto known = m_records.find(instance.Get());
    if (known != m_records.end()) {
        MoveInstance(instance, row, frameStart, frameStop, known->second.row);
        return;
    }
    auto model = instance.As<InstanceBase>("InstanceBase");
    Record record{row, frameStart, frameStop, m_nNextId++, model.Get()};
    m_records.emplace(instance.Get(), record);
    Place(instance, record);
    Listen(record, this);
    WriteFrames(instance, frameStart, frameStop);
}

void TimeLineStdImpl::RemoveInstance(Pointer<Instance> instance, int) {
    auto known = instance ? m_records.find(instance.Get()) : m_records.end();
    if (known == m_records.end())
        return;
    Record record = known->second;
    m_records.erase(known);
    Listen(record, nullptr);
    if (m_pSelected == instance)
        m_pSelected.Reset();
    Unplace(instance.Get(), record); // may drop the last reference
}

void TimeLineStdImpl::MoveInstance(Pointer<Instance> instance, int row, int frameStart,
                                   int frameStop, int) {
    auto known = instance ? m_records.find(instance.Get()) : m_records.end();
    if (known == m_records.end())
        return;
    Unplace(instance.Get(), known->second);
    known->second.row = row;
    known->second.start = frameStart;
    known->second.stop = frameStop;
    Place(instance, known->second);
    WriteFrames(instance, frameStart, frameStop);
}

void TimeLineStdImpl::SetSelectedInstance(Pointer<Instance> instance) {
    m_pSelected = std::move(instance);
}

Pointer<Instance> TimeLineStdImpl::GetSelectedInstance() {
    return m_pSelected;
}

void TimeLineStdImpl::PrepareForPlay() {
    for (const auto& [row, entries] : m_rows)
        entries.Refresh();
}

std::vector<TimeLineStdImpl::Placement> TimeLineStdImpl::GetPlacements() const {
    std::vector<Placement> placements;
    placements.reserve(m_records.size());
    for (const auto& [row, entries] : m_rows)
        for (const auto& entry : entries.GetEntries())
            placements.push_back({entry.instance, row, entry.start, entry.stop, entry.id});
    return placements;
}

InstanceList TimeLineStdImpl::GetInstancesAt(int frame) const {
    InstanceList found;
    for (const auto& [row, entries] : m_rows)
        entries.Collect(frame, frame, found);
    return found;
}

int TimeLineStdImpl::GetLastFrame() const {
    int last = 0;
    bool any = false;
    for (const auto& [row, entries] : m_rows) {
        last = any ? std::max(last, entries.GetLastFrame()) : entries.GetLastFrame();
        any = true;
    }
    return any ? last : 0;
}

bool TimeLineStdImpl::GetPlacement(Instance* instance, Placement& out) const {
    auto known = m_records.find(instance);
    if (known == m_records.end())
        return false;
    const Record& record = known->second;
    out = {Pointer<Instance>(instance), record.row, record.start, record.stop, record.id};
    return true;
}

void TimeLineStdImpl::Clear() {
    for (const auto& [instance, record] : m_records)
        Listen(record, nullptr);
    m_records.clear();
    m_pSelected.Reset();
    m_rows.clear();
    m_nNextId = 1;
}

void TimeLineStdImpl::Reserve(size_t count) {
    m_records.reserve(count);
}

std::vector<std::uint64_t> TimeLineStdImpl::GetNumbers() const {
    std::vector<std::uint64_t> numbers;
    numbers.reserve(m_records.size() + 1);
    for (const auto& [row, entries] : m_rows)
        for (const auto& entry : entries.GetEntries())
            numbers.push_back(entry.id);
    numbers.push_back(m_nNextId);
    return numbers;
}

bool TimeLineStdImpl::Renumber(const std::vector<std::uint64_t>& numbers) {
    if (numbers.size() != m_records.size() + 1)
        return false;
    if (numbers == GetNumbers())
        return true;
    std::vector<Placement> placements = GetPlacements();
    m_rows.clear();
    for (size_t index = 0; index < placements.size(); ++index) {
        Record& record = m_records.at(placements[index].instance.Get());
        record.id = numbers[index];
        Place(placements[index].instance, record);
    }
    m_nNextId = numbers.back();
    return true;
}

void TimeLineStdImpl::Place(const Pointer<Instance>& instance, const Record& record) {
    m_rows[record.row].Add({record.start, record.stop, record.id, instance});
}

void TimeLineStdImpl::Unplace(Instance* instance, const Record& record) {
    auto place = m_rows.find(record.row);
    if (place == m_rows.end())
        return;
    Pointer<Instance> keep(instance); // the row may hold the last reference
    place->second.Remove(record.start, record.id);
    if (place->second.IsEmpty())
        m_rows.erase(place);
}

void TimeLineStdImpl::WriteFrames(const Pointer<Instance>& instance, int start, int stop) {
    auto properties = instance.As<HasProperties>("HasProperties");
    if (!properties)
        return;
    m_bWritingFrames = true;
    properties->SetPropertyValue("FrameStart", PropertyText::FromInteger(start));
    properties->SetPropertyValue("FrameStop", PropertyText::FromInteger(stop));
    m_bWritingFrames = false;
}

void TimeLineStdImpl::Listen(const Record& record, PlacementListener* listener) {
    if (record.model)
        record.model->SetPlacementListener(listener);
}

void TimeLineStdImpl::OnPlacementEdited(Instance* instance) {
    if (m_bWritingFrames)
        return;
    auto known = m_records.find(instance);
    if (known == m_records.end())
        return;
    Pointer<Instance> edited(instance);
    auto properties = edited.As<HasProperties>("HasProperties");
    String start, stop;
    properties->GetPropertyValue("FrameStart", start);
    properties->GetPropertyValue("FrameStop", stop);
    Record moved = known->second;
    moved.start = PropertyText::ToInteger(start);
    moved.stop = PropertyText::ToInteger(stop);
    if (moved.start == known->second.start && moved.stop == known->second.stop)
        return;
    Unplace(instance, known->second);
    known->second = moved;
    Place(edited, moved);
}
