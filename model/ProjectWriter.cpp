#include "model/ProjectWriter.h"

#include "model/InstanceBase.h"
#include "model/JsonTextWriter.h"
#include "model/ProjectFormat.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/PropertyHolderForKeyFrame.h"
#include "host/PropertyHolderScript.h"

#include "framework/RTTIClass.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {
// Named values in the order first named: naming one again replaces its value
// in place, as a JSON object does.
template <class Value> using Fields = std::vector<std::pair<String, Value>>;

template <class Value> void SetField(Fields<Value>& fields, const String& name, Value value) {
    for (auto& field : fields)
        if (field.first == name) {
            field.second = std::move(value);
            return;
        }
    fields.emplace_back(name, std::move(value));
}

void WriteVector(JsonTextWriter& out, const char* name, const Float3& v) {
    out.Name(name);
    out.BeginArray();
    for (int i = 0; i < 3; ++i)
        out.Number(v[i]);
    out.EndArray();
}

void WriteTexts(JsonTextWriter& out, const Fields<String>& fields) {
    out.BeginObject();
    for (const auto& [name, value] : fields) {
        out.Name(name.str());
        out.Text(value.str());
    }
    out.EndObject();
}

bool IsHidden(const Pointer<PropertyHolder>& holder) {
    String type;
    return holder->GetPropertyValue("Type", type) && type == "Accum";
}

// The properties whose text differs from what a new instance of the class
// has: a file holds what the author made, and stays small.
Fields<String> Properties(const Pointer<Instance>& instance,
                          const Pointer<HasProperties>& properties,
                          const Pointer<HasProperties>& fresh) {
    auto model = instance.As<InstanceBase>("InstanceBase");
    Fields<String> values;
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
            SetField(values, name, std::move(value));
        }
    }
    return values;
}

Fields<String> Scripts(const Pointer<HasProperties>& properties) {
    Fields<String> scripts;
    for (const auto& holder : properties->GetHolders()) {
        auto script = holder.As<PropertyHolderScript>("PropertyHolderScript");
        if (!script || IsHidden(holder))
            continue;
        for (const String& name : script->GetScriptNames()) {
            String source;
            if (holder->GetPropertyValue(name, source) && !source.IsEmpty())
                SetField(scripts, name, std::move(source));
        }
    }
    return scripts;
}

void WriteKeyFrames(JsonTextWriter& out, const Pointer<Instance>& instance) {
    auto allows = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    auto keyFrame = allows ? allows->GetNextKeyFrame(INT_MIN) : nullptr;
    if (!keyFrame)
        return;
    out.Name("keyframes");
    out.BeginArray();
    for (; keyFrame; keyFrame = keyFrame->frame == INT_MAX
                                    ? nullptr
                                    : allows->GetNextKeyFrame(keyFrame->frame + 1)) {
        Fields<double> changes;
        for (const auto& holder : keyFrame->holders) {
            auto group = holder.As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame");
            if (!group)
                continue;
            for (const String& name : group->GetChangedNames())
                SetField(changes, name, group->GetChange(name));
        }
        out.BeginObject();
        out.Name("frame");
        out.Integer(keyFrame->frame);
        out.Name("changes");
        out.BeginObject();
        for (const auto& [name, change] : changes) {
            out.Name(name.str());
            out.Number(change);
        }
        out.EndObject();
        out.EndObject();
    }
    out.EndArray();
}

} // namespace

ProjectWriter::ProjectWriter(std::filesystem::path folder, InstanceTextCache* cache)
    : m_folder(std::move(folder)), m_pCache(cache) {}

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

void ProjectWriter::WriteCastMember(JsonTextWriter& out, const Pointer<CastMember>& member) const {
    out.BeginObject();
    out.Name("class");
    out.Text(member->GetClass()->GetName().str());
    String file = member->GetFileName();
    if (!file.IsEmpty()) {
        out.Name("file");
        out.Text(FilePath(file));
    }
    out.EndObject();
}

std::string ProjectWriter::WriteInstance(const ProjectContent::PlacedInstance& placed, int cast,
                                         const Pointer<HasProperties>& fresh) const {
    const auto& instance = placed.instance;
    JsonTextWriter out(2);
    out.BeginObject();
    out.Name("class");
    out.Text(instance->GetClass()->GetName().str());
    out.Name("row");
    out.Integer(placed.row);
    out.Name("start");
    out.Integer(placed.start);
    out.Name("stop");
    out.Integer(placed.stop);
    if (cast != kNoCastMember) {
        out.Name("cast");
        if (cast == kOwnCastMember)
            WriteCastMember(out, instance->GetCastMember());
        else
            out.Integer(cast);
    }
    if (auto properties = instance.As<HasProperties>("HasProperties")) {
        out.Name("properties");
        WriteTexts(out, Properties(instance, properties, fresh));
        if (auto scripts = Scripts(properties); !scripts.empty()) {
            out.Name("scripts");
            WriteTexts(out, scripts);
        }
    }
    WriteKeyFrames(out, instance);
    out.EndObject();
    return out.Take();
}

std::string ProjectWriter::Write(const ProjectContent& content) const {
    JsonTextWriter out;
    if (m_pCache)
        out.Reserve(m_pCache->GetProjectSize() + m_pCache->GetProjectSize() / 8);
    out.BeginObject();
    out.Name("format");
    out.Text(ProjectFormat::kFormat);
    out.Name("version");
    out.Integer(ProjectFormat::kVersion);
    out.Name("frameRate");
    out.Integer(content.frameRate);
    out.Name("camera");
    out.BeginObject();
    WriteVector(out, "eye", content.camera.eye);
    WriteVector(out, "target", content.camera.target);
    WriteVector(out, "up", content.camera.up);
    out.EndObject();

    // A cast member listed twice is referred to by its first place.
    std::unordered_map<const CastMember*, int> castIndex;
    out.Name("cast");
    out.BeginArray();
    for (size_t i = 0; i < content.cast.size(); ++i) {
        castIndex.emplace(content.cast[i].Get(), static_cast<int>(i));
        WriteCastMember(out, content.cast[i]);
    }
    out.EndArray();

    // One new instance of each class, for the values an instance starts with.
    std::unordered_map<const RTTIClass*, Pointer<HasProperties>> fresh;
    auto freshProperties = [&fresh](const RTTIClass* record) {
        auto known = fresh.find(record);
        if (known != fresh.end())
            return known->second;
        Pointer<Instance> instance(static_cast<Instance*>(record->GetCreateFunction()("Instance")));
        return fresh[record] = instance.As<HasProperties>("HasProperties");
    };
    out.Name("instances");
    out.BeginArray();
    for (const auto& placed : content.instances) {
        const auto& instance = placed.instance;
        int cast = kNoCastMember;
        if (auto castMember = instance->GetCastMember()) {
            auto known = castIndex.find(castMember.Get());
            cast = known != castIndex.end() ? known->second : kOwnCastMember;
        }
        // An instance's own cast member is written with its file: rare, and
        // not kept.
        auto model = m_pCache && cast != kOwnCastMember ? instance.As<InstanceBase>("InstanceBase")
                                                        : nullptr;
        if (!model) {
            out.Raw(WriteInstance(placed, cast, freshProperties(instance->GetClass())));
            continue;
        }
        InstanceTextCache::Source source{model->GetChangeStamp(), placed.row, placed.start,
                                         placed.stop, cast};
        const std::string* text = m_pCache->Find(model.Get(), source);
        out.Raw(text ? *text
                     : m_pCache->Keep(
                           model.Get(), source,
                           WriteInstance(placed, cast, freshProperties(instance->GetClass()))));
    }
    out.EndArray();
    out.EndObject();
    std::string text = out.Take();
    text += '\n';
    if (m_pCache)
        m_pCache->Sweep(text.size());
    return text;
}
