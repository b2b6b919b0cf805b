#include "model/ProjectWriter.h"

#include "model/InstanceBase.h"
#include "model/ProjectFormat.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/PropertyHolderForKeyFrame.h"
#include "host/PropertyHolderScript.h"

#include "framework/RTTIClass.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <unordered_map>

using Json = nlohmann::ordered_json;

namespace {
Json Vector(const Float3& v) {
    return Json::array({v[0], v[1], v[2]});
}

bool IsHidden(const Pointer<PropertyHolder>& holder) {
    String type;
    return holder->GetPropertyValue("Type", type) && type == "Accum";
}

// The properties whose text differs from what a new instance of the class
// has: a file holds what the author made, and stays small.
Json Properties(const Pointer<Instance>& instance, const Pointer<HasProperties>& properties,
                const Pointer<HasProperties>& fresh) {
    auto model = instance.As<InstanceBase>("InstanceBase");
    Json values = Json::object();
    for (const auto& holder : properties->GetHolders()) {
        if (IsHidden(holder) || holder.As<PropertyHolderScript>("PropertyHolderScript"))
            continue;
        for (const String& name : holder->GetPropertyNames()) {
            // The time line's placement is written as "row", "start", "stop".
            if (name == "FrameStart" || name == "FrameStop")
                continue;
            String value, initial;
            if (model)
                value = model->GetBaseValue(name);
            else
                holder->GetPropertyValue(name, value);
            if (fresh && fresh->GetPropertyValue(name, initial) && initial == value)
                continue;
            values[name.str()] = value.str();
        }
    }
    return values;
}

Json Scripts(const Pointer<HasProperties>& properties) {
    Json scripts = Json::object();
    for (const auto& holder : properties->GetHolders()) {
        auto script = holder.As<PropertyHolderScript>("PropertyHolderScript");
        if (!script || IsHidden(holder))
            continue;
        for (const String& name : script->GetScriptNames()) {
            String source;
            if (holder->GetPropertyValue(name, source) && !source.IsEmpty())
                scripts[name.str()] = source.str();
        }
    }
    return scripts;
}

Json KeyFrames(const Pointer<Instance>& instance) {
    Json keyFrames = Json::array();
    auto allows = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (!allows)
        return keyFrames;
    for (auto keyFrame = allows->GetNextKeyFrame(INT_MIN); keyFrame;
         keyFrame = keyFrame->frame == INT_MAX ? nullptr
                                               : allows->GetNextKeyFrame(keyFrame->frame + 1)) {
        Json changes = Json::object();
        for (const auto& holder : keyFrame->holders) {
            auto group = holder.As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame");
            if (!group)
                continue;
            for (const String& name : group->GetChangedNames())
                changes[name.str()] = group->GetChange(name);
        }
        keyFrames.push_back(Json{{"frame", keyFrame->frame}, {"changes", std::move(changes)}});
    }
    return keyFrames;
}
} // namespace

ProjectWriter::ProjectWriter(std::filesystem::path folder) : m_folder(std::move(folder)) {}

std::string ProjectWriter::FilePath(const String& file) const {
    std::string text = file.str();
    std::replace(text.begin(), text.end(), '\\', '/');
    std::filesystem::path path = std::filesystem::path(text).lexically_normal();
    if (path.is_absolute()) {
        auto relative = path.lexically_relative(m_folder.lexically_normal());
        if (!relative.empty() && *relative.begin() != ".." && relative.is_relative())
            return relative.generic_string();
    }
    return path.generic_string();
}

std::string ProjectWriter::Write(const ProjectContent& content) const {
    Json root;
    root["format"] = ProjectFormat::kFormat;
    root["version"] = ProjectFormat::kVersion;
    root["frameRate"] = content.frameRate;
    root["camera"] = {{"eye", Vector(content.camera.eye)},
                      {"target", Vector(content.camera.target)},
                      {"up", Vector(content.camera.up)}};

    auto member = [this](const Pointer<CastMember>& castMember) {
        Json entry{{"class", castMember->GetClass()->GetName().str()}};
        String file = castMember->GetFileName();
        if (!file.IsEmpty())
            entry["file"] = FilePath(file);
        return entry;
    };
    std::unordered_map<const CastMember*, int> castIndex;
    Json cast = Json::array();
    for (const auto& castMember : content.cast) {
        castIndex.emplace(castMember.Get(), static_cast<int>(cast.size()));
        cast.push_back(member(castMember));
    }
    root["cast"] = std::move(cast);

    // One new instance of each class, for the values an instance starts with.
    std::unordered_map<const RTTIClass*, Pointer<HasProperties>> fresh;
    auto freshProperties = [&fresh](const RTTIClass* record) {
        auto known = fresh.find(record);
        if (known != fresh.end())
            return known->second;
        Pointer<Instance> instance(static_cast<Instance*>(record->GetCreateFunction()("Instance")));
        return fresh[record] = instance.As<HasProperties>("HasProperties");
    };
    Json instances = Json::array();
    for (const auto& placed : content.instances) {
        const auto& instance = placed.instance;
        Json entry{{"class", instance->GetClass()->GetName().str()},
                   {"row", placed.row},
                   {"start", placed.start},
                   {"stop", placed.stop}};
        if (auto castMember = instance->GetCastMember()) {
            auto known = castIndex.find(castMember.Get());
            entry["cast"] = known != castIndex.end() ? Json(known->second) : member(castMember);
        }
        if (auto properties = instance.As<HasProperties>("HasProperties")) {
            entry["properties"] =
                Properties(instance, properties, freshProperties(instance->GetClass()));
            if (Json scripts = Scripts(properties); !scripts.empty())
                entry["scripts"] = std::move(scripts);
        }
        if (Json keyFrames = KeyFrames(instance); !keyFrames.empty())
            entry["keyframes"] = std::move(keyFrames);
        instances.push_back(std::move(entry));
    }
    root["instances"] = std::move(instances);
    // Text that is not UTF-8 (a foreign file name) is saved with replacement
    // characters rather than not at all.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
