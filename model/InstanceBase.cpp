#include "model/InstanceBase.h"

#include "model/PropertyText.h"

#include "framework/InterfaceQuery.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>

namespace {
std::uint64_t NextChangeStamp() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

// Shared by every instance: a project holds tens of thousands.
const TextPropertyHolder::Names& PlacementNames() {
    static const TextPropertyHolder::Names names =
        std::make_shared<const std::vector<String>>(std::vector<String>{"FrameStart", "FrameStop"});
    return names;
}
} // namespace

InstanceBase::InstanceBase(const AnimatedLayout& layout, const StringList& scriptNames)
    : m_pPlacement(new TextPropertyHolder("Placement", PlacementNames(), {"0", "0"})),
      m_pAccum(new AccumPropertyHolder(layout.GetNames())), m_track(layout, this),
      m_nChangeStamp(NextChangeStamp()) {
    const auto& groups = layout.GetGroups();
    m_pPlacement->SetListener(this);
    m_holders.reserve(groups.size() + 3);
    m_values.reserve(layout.GetNames()->size());
    m_holders.push_back(Pointer<PropertyHolder>(m_pPlacement.Get()));
    for (const auto& group : groups) {
        Pointer<TextPropertyHolder> holder(
            new TextPropertyHolder(group.holderName, group.names, group.initialValues));
        holder->SetListener(this);
        for (const String& name : *group.names)
            m_values.push_back({&name, holder.Get(), String(), String()});
        m_holders.push_back(Pointer<PropertyHolder>(holder.Get()));
    }
    m_pScripts = new ScriptPropertyHolder("Scripts", scriptNames);
    m_pScripts->SetListener(this);
    m_holders.push_back(Pointer<PropertyHolder>(m_pScripts.Get()));
    m_holders.push_back(Pointer<PropertyHolder>(m_pAccum.Get()));
}

// Editors may still hold the holders; they must not call back.
InstanceBase::~InstanceBase() {
    m_pPlacement->SetListener(nullptr);
    for (const AnimatedValue& value : m_values)
        value.holder->SetListener(nullptr);
    m_pScripts->SetListener(nullptr);
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
    m_bKeyFramesOut = true;
    return m_track.GetNext(fromFrame);
}

Pointer<KeyFrame> InstanceBase::AddKeyFrame(int frame) {
    Touch();
    m_bKeyFramesOut = true;
    return m_track.Add(frame);
}

void InstanceBase::RemoveKeyFrame(int frame) {
    Touch();
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
        m_bApplyingFrame = true;
        if (accumulated[i] == 0.0) {
            value.holder->SetPropertyValue(*value.name, base);
        } else {
            value.written = PropertyText::FromNumber(PropertyText::ToNumber(base) + accumulated[i]);
            value.base = std::move(base);
            value.holder->SetPropertyValue(*value.name, value.written);
        }
        m_bApplyingFrame = false;
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

// Only a key frame handed out can have been moved, and while someone holds
// one it still may be; looking at the key frames of every instance of a large
// project would cost more than the rest of writing it.
std::uint64_t InstanceBase::GetChangeStamp() {
    if (m_bKeyFramesOut) {
        if (m_track.TakeMoves())
            Touch();
        m_bKeyFramesOut = m_track.IsHeldElsewhere();
    }
    return m_nChangeStamp;
}

// The frames are kept as the placement, not as properties.
void InstanceBase::OnPropertyChanged(const String& name) {
    if (name == "FrameStart" || name == "FrameStop") {
        if (m_pPlacementListener)
            m_pPlacementListener->OnPlacementEdited(this);
    } else if (!m_bApplyingFrame) {
        Touch();
    }
}

void InstanceBase::Touch() {
    m_nChangeStamp = NextChangeStamp();
}
