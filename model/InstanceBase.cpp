#include "model/InstanceBase.h"

#include "model/PropertyText.h"

#include "framework/InterfaceQuery.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {
// Shared by every instance: a project holds tens of thousands.
const TextPropertyHolder::Names& PlacementNames() {
    static const TextPropertyHolder::Names names =
        std::make_shared<const std::vector<String>>(std::vector<String>{"FrameStart", "FrameStop"});
    return names;
}
} // namespace

InstanceBase::InstanceBase(const AnimatedLayout& layout, const StringList& scriptNames)
    : m_pPlacement(new TextPropertyHolder("Placement", PlacementNames(), {"0", "0"})),
      m_pAccum(new AccumPropertyHolder(layout.GetNames())), m_track(layout) {
    const auto& groups = layout.GetGroups();
    m_pPlacement->SetListener(this);
    m_holders.reserve(groups.size() + 3);
    m_values.reserve(layout.GetNames()->size());
    m_holders.push_back(Pointer<PropertyHolder>(m_pPlacement.Get()));
    for (const auto& group : groups) {
        Pointer<TextPropertyHolder> holder(
            new TextPropertyHolder(group.holderName, group.names, group.initialValues));
        for (const String& name : *group.names)
            m_values.push_back({&name, holder.Get(), String(), String()});
        m_holders.push_back(Pointer<PropertyHolder>(holder.Get()));
    }
    m_holders.push_back(Pointer<PropertyHolder>(new ScriptPropertyHolder("Scripts", scriptNames)));
    m_holders.push_back(Pointer<PropertyHolder>(m_pAccum.Get()));
}

// Editors may still hold the placement holder; it must not call back.
InstanceBase::~InstanceBase() {
    m_pPlacement->SetListener(nullptr);
}

void* InstanceBase::FindInstanceInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("Instance", static_cast<Instance*>(this))
        .Answer("HasProperties", static_cast<HasProperties*>(this))
        .Answer("AllowsKeyFrames", m_values.empty() ? nullptr : static_cast<AllowsKeyFrames*>(this))
        .Answer("SceneItem", static_cast<SceneItem*>(this))
        .Answer("InstanceBase", this)
        .Result();
}

Pointer<CastMember> InstanceBase::GetCastMember() {
    return m_pCastMember;
}

void InstanceBase::SetCastMember(Pointer<CastMember> member) {
    m_pCastMember = std::move(member);
}

Pointer<KeyFrame> InstanceBase::GetNextKeyFrame(int fromFrame) {
    return m_track.GetNext(fromFrame);
}

Pointer<KeyFrame> InstanceBase::AddKeyFrame(int frame) {
    return m_track.Add(frame);
}

void InstanceBase::RemoveKeyFrame(int frame) {
    m_track.Remove(frame);
}

double InstanceBase::GetNumber(const char* name) {
    String value;
    for (const AnimatedValue& animated : m_values)
        if (*animated.name == name && animated.holder->GetPropertyValue(*animated.name, value))
            return PropertyText::ToNumber(value);
    return 0.0;
}

String InstanceBase::BaseOf(AnimatedValue& value, double accumulated) {
    String text;
    value.holder->GetPropertyValue(*value.name, text);
    if (accumulated == 0.0)
        return text;
    if (!(text == value.written)) {
        value.written = text;
        value.base = PropertyText::FromNumber(PropertyText::ToNumber(text) - accumulated);
    }
    return value.base;
}

void InstanceBase::ApplyFrame(int frame, int) {
    if (m_values.empty())
        return;
    String start;
    m_pPlacement->GetPropertyValue("FrameStart", start);
    long long relative = static_cast<long long>(frame) - PropertyText::ToInteger(start) + 1;
    relative = std::clamp<long long>(relative, INT32_MIN, INT32_MAX);
    std::vector<double> accumulated = m_track.Evaluate(static_cast<int>(relative));
    for (size_t i = 0; i < m_values.size(); ++i) {
        double old = m_pAccum->GetAccum(i);
        // An unchanged accumulation leaves the text exactly as it was written.
        if (accumulated[i] == old)
            continue;
        AnimatedValue& value = m_values[i];
        String base = BaseOf(value, old);
        if (accumulated[i] == 0.0) {
            value.holder->SetPropertyValue(*value.name, base);
        } else {
            value.written = PropertyText::FromNumber(PropertyText::ToNumber(base) + accumulated[i]);
            value.base = std::move(base);
            value.holder->SetPropertyValue(*value.name, value.written);
        }
        m_pAccum->SetAccum(i, accumulated[i]);
    }
}

String InstanceBase::GetBaseValue(const String& name) {
    for (size_t i = 0; i < m_values.size(); ++i)
        if (*m_values[i].name == name)
            return BaseOf(m_values[i], m_pAccum->GetAccum(i));
    String text;
    GetPropertyValue(name, text);
    return text;
}

void InstanceBase::OnPropertyChanged(const String&) {
    if (m_pPlacementListener)
        m_pPlacementListener->OnPlacementEdited(this);
}
