#include "model/InstanceKeyFrame.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"

#include <memory>
#include <new>

Pointer<InstanceKeyFrame> InstanceKeyFrame::Create(int atFrame, const AnimatedLayout& layout) {
    static_assert(sizeof(InstanceKeyFrame) % alignof(Group) == 0);
    void* block =
        ::operator new(sizeof(InstanceKeyFrame) + layout.GetGroups().size() * sizeof(Group));
    try {
        return Pointer<InstanceKeyFrame>(new (block) InstanceKeyFrame(atFrame, layout));
    } catch (...) {
        ::operator delete(block);
        throw;
    }
}

InstanceKeyFrame::InstanceKeyFrame(int atFrame, const AnimatedLayout& layout)
    : m_groups(reinterpret_cast<Group*>(this + 1)) {
    frame = atFrame;
    m_holders.reserve(layout.GetGroups().size());
    try {
        for (const auto& group : layout.GetGroups()) {
            new (m_groups + m_nGroups)
                Group(KeyFramePropertyHolder::Create(group.holderName, group.names));
            ++m_nGroups;
            m_holders.push_back(Pointer<PropertyHolder>(m_groups[m_nGroups - 1].Get()));
        }
    } catch (...) {
        std::destroy_n(m_groups, m_nGroups);
        throw;
    }
}

InstanceKeyFrame::~InstanceKeyFrame() {
    std::destroy_n(m_groups, m_nGroups);
}

const RTTIClass* InstanceKeyFrame::GetClass() const {
    static const RTTIClass record("InstanceKeyFrame", nullptr, nullptr);
    return &record;
}

void* InstanceKeyFrame::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("KeyFrame", static_cast<KeyFrame*>(this))
        .Answer("HasProperties", static_cast<HasProperties*>(this))
        .Answer("InstanceKeyFrame", this)
        .Result();
}

double InstanceKeyFrame::GetChangeAt(size_t index) const {
    for (const auto& group : Groups()) {
        if (index < group->GetSize())
            return group->GetChangeAt(index);
        index -= group->GetSize();
    }
    return 0.0;
}

void InstanceKeyFrame::SetChangeAt(size_t index, double change) {
    for (const auto& group : Groups()) {
        if (index < group->GetSize()) {
            group->SetChangeAt(index, change);
            return;
        }
        index -= group->GetSize();
    }
}

void InstanceKeyFrame::SetListener(PropertyChangeListener* listener) {
    for (const auto& group : Groups())
        group->SetListener(listener);
}
