#include "model/InstanceKeyFrame.h"

#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"

InstanceKeyFrame::InstanceKeyFrame(int atFrame, const AnimatedLayout& layout) {
    frame = atFrame;
    m_groups.reserve(layout.GetGroups().size());
    m_holders.reserve(layout.GetGroups().size());
    for (const auto& group : layout.GetGroups()) {
        m_groups.push_back(KeyFramePropertyHolder::Create(group.holderName, group.names));
        m_holders.push_back(Pointer<PropertyHolder>(m_groups.back().Get()));
    }
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
    for (const auto& group : m_groups) {
        if (index < group->GetSize())
            return group->GetChangeAt(index);
        index -= group->GetSize();
    }
    return 0.0;
}

void InstanceKeyFrame::SetChangeAt(size_t index, double change) {
    for (const auto& group : m_groups) {
        if (index < group->GetSize()) {
            group->SetChangeAt(index, change);
            return;
        }
        index -= group->GetSize();
    }
}

void InstanceKeyFrame::SetListener(PropertyChangeListener* listener) {
    for (const auto& group : m_groups)
        group->SetListener(listener);
}
