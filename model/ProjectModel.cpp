#include "model/ProjectModel.h"

#include "model/CastListStdImpl.h"
#include "model/PlayerStdImpl.h"
#include "model/PlayerTimerStdImpl.h"
#include "model/ProjectStdImpl.h"
#include "model/TimeLineStdImpl.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/PropertyHolderScript.h"

#include "framework/RTTIClass.h"
#include "framework/SharedObjects.h"

#include <climits>

struct ProjectModel::Impl {
    Pointer<TimeLineStdImpl> timeLine{new TimeLineStdImpl};
    Pointer<CastListStdImpl> castList{new CastListStdImpl};
    Pointer<PlayerStdImpl> player{new PlayerStdImpl(timeLine)};
    Pointer<PlayerTimerStdImpl> timer{new PlayerTimerStdImpl(player, timeLine)};
    Pointer<ProjectStdImpl> project{new ProjectStdImpl(player, timer, timeLine, castList)};

    std::vector<Pointer<SharedObject>> SharedObjectsInOrder() const {
        return {Pointer<SharedObject>(player.Get()), Pointer<SharedObject>(timer.Get()),
                Pointer<SharedObject>(timeLine.Get()), Pointer<SharedObject>(project.Get()),
                Pointer<SharedObject>(castList.Get())};
    }
};

namespace {
bool IsHidden(const Pointer<PropertyHolder>& holder) {
    String type;
    return holder->GetPropertyValue("Type", type) && type == "Accum";
}

// What the author can see of an object's holders, scripts included.
nlohmann::json VisibleProperties(const PropertyHolderList& holders) {
    nlohmann::json values = nlohmann::json::object();
    for (const auto& holder : holders) {
        if (IsHidden(holder))
            continue;
        StringList names = holder->GetPropertyNames();
        if (auto scripts = holder.As<PropertyHolderScript>("PropertyHolderScript"))
            for (const String& name : scripts->GetScriptNames())
                names.Add(name);
        for (const String& name : names) {
            String value;
            holder->GetPropertyValue(name, value);
            values[name.str()] = value.str();
        }
    }
    return values;
}

nlohmann::json KeyFrames(const Pointer<Instance>& instance, const KeyFrame* selected) {
    nlohmann::json keyFrames = nlohmann::json::array();
    auto allows = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (!allows)
        return keyFrames;
    for (auto keyFrame = allows->GetNextKeyFrame(INT_MIN); keyFrame;
         keyFrame = keyFrame->frame == INT_MAX ? nullptr
                                               : allows->GetNextKeyFrame(keyFrame->frame + 1))
        keyFrames.push_back({{"frame", keyFrame->frame},
                             {"selected", keyFrame.Get() == selected},
                             {"properties", VisibleProperties(keyFrame->holders)}});
    return keyFrames;
}
} // namespace

ProjectModel::ProjectModel() : m_pImpl(new Impl) {}

// The shared objects may outlive the model in someone's hands; they are left
// empty and quiet.
ProjectModel::~ProjectModel() {
    m_pImpl->player->SetFrameChangeListener(nullptr);
    m_pImpl->project->SetReplaceListener(nullptr);
    m_pImpl->project->New();
    delete m_pImpl;
}

void ProjectModel::Publish(SharedObjects* registry) {
    for (auto& object : m_pImpl->SharedObjectsInOrder())
        registry->AddObject(object);
}

void ProjectModel::Withdraw(SharedObjects* registry) {
    for (auto& object : m_pImpl->SharedObjectsInOrder())
        registry->RemoveObject(object);
}

void ProjectModel::SetFrameChangeListener(
    std::function<void(int newFrame, int oldFrame)> listener) {
    m_pImpl->player->SetFrameChangeListener(std::move(listener));
}

void ProjectModel::SetManualTiming(bool manual) {
    m_pImpl->timer->SetManualTiming(manual);
}

void ProjectModel::Tick() {
    m_pImpl->timer->Tick();
}

std::string ProjectModel::Snapshot() const {
    return m_pImpl->project->Snapshot();
}

std::vector<std::uint64_t> ProjectModel::GetPlacementNumbers() const {
    return m_pImpl->timeLine->GetNumbers();
}

bool ProjectModel::Restore(const std::string& snapshot, const std::vector<std::uint64_t>& numbers) {
    if (!m_pImpl->project->Restore(snapshot))
        return false;
    m_pImpl->timeLine->Renumber(numbers);
    // The frame stays; announcing it has every window repaint.
    int frame = m_pImpl->player->GetCurrentFrame();
    m_pImpl->player->Announce(frame, frame);
    return true;
}

void ProjectModel::SetReplaceListener(std::function<void()> listener) {
    m_pImpl->project->SetReplaceListener(std::move(listener));
}

bool ProjectModel::IsModified() const {
    return m_pImpl->project->IsModified();
}

std::string ProjectModel::GetFileName() const {
    return m_pImpl->project->GetFileName().str();
}

bool ProjectModel::Recover(const std::string& path) {
    return m_pImpl->project->Recover(String(path));
}

nlohmann::json ProjectModel::DescribeState(const KeyFrame* selectedKeyFrame) const {
    const Impl& model = *m_pImpl;
    nlohmann::json state;
    state["project"] = {{"file", model.project->GetFileName().str()},
                        {"frame", model.player->GetCurrentFrame()},
                        {"playing", model.timer->IsRunning()}};
    Pointer<Instance> selected = model.timeLine->GetSelectedInstance();
    nlohmann::json instances = nlohmann::json::array();
    for (const auto& placement : model.timeLine->GetPlacements()) {
        const auto& instance = placement.instance;
        auto member = instance->GetCastMember();
        auto properties = instance.As<HasProperties>("HasProperties");
        instances.push_back(
            {{"id", placement.id},
             {"row", placement.row},
             {"class", instance->GetClass()->GetName().str()},
             {"cast", member ? nlohmann::json(member->GetName().str()) : nlohmann::json()},
             {"start", placement.start},
             {"stop", placement.stop},
             {"selected", instance == selected},
             {"properties",
              properties ? VisibleProperties(properties->GetHolders()) : nlohmann::json::object()},
             {"keyframes", KeyFrames(instance, selectedKeyFrame)}});
    }
    state["instances"] = std::move(instances);
    nlohmann::json cast = nlohmann::json::array();
    for (const auto& member : model.castList->GetCastMembers())
        cast.push_back({{"name", member->GetName().str()},
                        {"class", member->GetClass()->GetName().str()},
                        {"file", member->GetFileName().str()}});
    state["cast"] = std::move(cast);
    return state;
}
