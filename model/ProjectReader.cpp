#include "model/ProjectReader.h"

#include "model/ProjectFileError.h"
#include "model/ProjectFormat.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/PropertyHolderForKeyFrame.h"

#include "framework/Exception.h"
#include "framework/RTTIClass.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <unordered_map>

// Objects as vectors of members: fewer allocations than a tree per object.
using Json = nlohmann::ordered_json;

namespace {
// Names from the file, short enough for a message.
std::string Quote(const std::string& text) {
    constexpr size_t kLongest = 60;
    return "\"" + (text.size() > kLongest ? text.substr(0, kLongest) + "..." : text) + "\"";
}

[[noreturn]] void Fail(const std::string& where, const std::string& problem) {
    throw ProjectFileError(where.empty() ? problem : where + ": " + problem);
}

void CheckFields(const Json& object, const std::string& where, std::initializer_list<const char*> known) {
    if (!object.is_object())
        Fail(where, "this is not an object");
    for (const auto& field : object.items())
        if (std::none_of(known.begin(), known.end(), [&](const char* name) { return field.key() == name; }))
            Fail(where, "unknown field " + Quote(field.key()));
}

int Integer(const Json& value, const std::string& where, const char* field) {
    if (!value.is_number_integer())
        Fail(where, std::string("\"") + field + "\" is not a whole number");
    if (value.is_number_unsigned() ? value.get<std::uint64_t>() > INT_MAX
                                   : value.get<std::int64_t>() < INT_MIN || value.get<std::int64_t>() > INT_MAX)
        Fail(where, std::string("\"") + field + "\" is out of range");
    return value.get<int>();
}

double Number(const Json& value, const std::string& where, const std::string& field) {
    if (!value.is_number() || !std::isfinite(value.get<double>()))
        Fail(where, "\"" + field + "\" is not a number");
    return value.get<double>();
}

const std::string& Text(const Json& value, const std::string& where, const std::string& field) {
    if (!value.is_string())
        Fail(where, "\"" + field + "\" is not a text");
    return value.get_ref<const std::string&>();
}

const Json& Array(const Json& object, const char* field, const std::string& where) {
    static const Json empty = Json::array();
    auto found = object.find(field);
    if (found == object.end())
        return empty;
    if (!found->is_array())
        Fail(where, std::string("\"") + field + "\" is not a list");
    return *found;
}

// Class records by name, looked up once per class and file.
using ClassRecords = std::unordered_map<std::string, const RTTIClass*>;

// An object of a registered class, as its part for the interface.
template <class T>
Pointer<T> Create(ClassRecords& records, const std::string& className, const char* interfaceName,
                  const std::string& where) {
    const RTTIClass*& record = records[className];
    if (!record) {
        try {
            record = RTTIClass::FindClass(String(className));
        } catch (ClassNotFoundException* error) {
            delete error;
            Fail(where, "the class " + Quote(className) + " is unknown (is the plug-in library that has it installed?)");
        }
    }
    auto* part = static_cast<T*>(record->GetCreateFunction()(interfaceName));
    if (!part)
        Fail(where, "the class " + Quote(className) + " is no " + interfaceName + " class");
    return Pointer<T>(part);
}

Float3 Vector(const Json& value, const std::string& where, const char* field) {
    if (!value.is_array() || value.size() != 3)
        Fail(where, std::string("\"") + field + "\" is not a list of three numbers");
    Float3 vector;
    for (int i = 0; i < 3; ++i)
        vector[i] = static_cast<float>(Number(value[static_cast<size_t>(i)], where, field));
    return vector;
}

Camera ReadCamera(const Json& object) {
    const std::string where = "the camera";
    CheckFields(object, where, {"eye", "target", "up"});
    Camera camera;
    if (object.contains("eye"))
        camera.eye = Vector(object["eye"], where, "eye");
    if (object.contains("target"))
        camera.target = Vector(object["target"], where, "target");
    if (object.contains("up"))
        camera.up = Vector(object["up"], where, "up");
    return camera;
}

void ReadKeyFrames(const Json& list, const Pointer<Instance>& instance, const std::string& where) {
    if (list.empty())
        return;
    auto allows = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (!allows)
        Fail(where, "instances of this class have no key frames");
    std::vector<std::pair<int, const Json*>> keyFrames;
    for (const Json& entry : list) {
        CheckFields(entry, where + ", a key frame", {"frame", "changes"});
        if (!entry.contains("frame"))
            Fail(where, "a key frame has no \"frame\"");
        keyFrames.emplace_back(Integer(entry["frame"], where + ", a key frame", "frame"), &entry);
    }
    // In frame order, each new key frame takes exactly the changes written.
    std::stable_sort(keyFrames.begin(), keyFrames.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyFrames.size(); ++i) {
        int frame = keyFrames[i].first;
        std::string at = where + ", key frame at frame " + std::to_string(frame);
        if (i > 0 && keyFrames[i - 1].first == frame)
            Fail(at, "there are two key frames at this frame");
        Pointer<KeyFrame> keyFrame = allows->AddKeyFrame(frame);
        auto changes = keyFrames[i].second->find("changes");
        if (changes == keyFrames[i].second->end())
            continue;
        if (!changes->is_object())
            Fail(at, "\"changes\" is not an object");
        for (const auto& change : changes->items()) {
            double value = Number(change.value(), at, change.key());
            bool stored = false;
            for (const auto& holder : keyFrame->holders) {
                auto group = holder.As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame");
                if (group && holder->HasProperty(String(change.key()))) {
                    group->SetChange(String(change.key()), value);
                    stored = true;
                    break;
                }
            }
            if (!stored)
                Fail(at, "there is no property " + Quote(change.key()) + " to change");
        }
    }
}

void ReadValues(const Json& object, const char* field, const Pointer<HasProperties>& properties,
                const std::string& where) {
    auto found = object.find(field);
    if (found == object.end())
        return;
    if (!found->is_object())
        Fail(where, std::string("\"") + field + "\" is not an object");
    for (const auto& value : found->items()) {
        const std::string& text = Text(value.value(), where, value.key());
        if (!properties || !properties->SetPropertyValue(String(value.key()), String(text)))
            Fail(where, std::string("there is no ") + (field == std::string("scripts") ? "script " : "property ") +
                            Quote(value.key()));
    }
}
} // namespace

ProjectReader::ProjectReader(std::filesystem::path folder) : m_folder(std::move(folder)) {}

ProjectContent ProjectReader::Read(std::string_view text) const {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        Fail("", "the file is empty");
    // Anything but a JSON object is some other kind of file, not a damaged project.
    if (text[first] != '{')
        Fail("", "it is not a Corvane project file");
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& error) { // a syntax error, or a number out of range
        std::string message = error.what();
        if (size_t end = message.find("] "); message.rfind("[json.exception", 0) == 0 && end != std::string::npos)
            message.erase(0, end + 2);
        Fail("", "the file is damaged or truncated (" + message + ")");
    }
    auto format = root.find("format");
    if (format == root.end() || *format != ProjectFormat::kFormat)
        Fail("", "it is not a Corvane project file");
    auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer())
        Fail("", "it has no file format version");
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > ProjectFormat::kVersion
                                      : version->get<std::int64_t>() > ProjectFormat::kVersion)
        Fail("", "it was written by a newer version of Corvane (file format version " + version->dump() +
                     "; this version reads up to version " + std::to_string(ProjectFormat::kVersion) + ")");
    if (!version->is_number_unsigned() && version->get<std::int64_t>() < 1)
        Fail("", "its file format version " + version->dump() + " is not valid");

    try {
        CheckFields(root, "the project", {"format", "version", "frameRate", "camera", "cast", "instances"});
        ProjectContent content;
        if (root.contains("frameRate")) {
            content.frameRate = Integer(root["frameRate"], "the project", "frameRate");
            if (content.frameRate < 1 || content.frameRate > 1000)
                Fail("the project", "the frame rate must lie between 1 and 1000 frames a second");
        }
        if (root.contains("camera"))
            content.camera = ReadCamera(root["camera"]);

        ClassRecords records;
        auto readMember = [this, &records](const Json& entry, const std::string& where) {
            CheckFields(entry, where, {"class", "file"});
            if (!entry.contains("class"))
                Fail(where, "it has no \"class\"");
            auto member = Create<CastMember>(records, Text(entry["class"], where, "class"), "CastMember", where);
            if (entry.contains("file")) {
                std::string file = Text(entry["file"], where, "file");
                std::replace(file.begin(), file.end(), '\\', '/');
                std::filesystem::path path(file);
                if (path.is_relative())
                    path = m_folder / path;
                member->SetFileName(nullptr, String(path.lexically_normal().string()));
            }
            return member;
        };
        const Json& cast = Array(root, "cast", "the project");
        for (size_t i = 0; i < cast.size(); ++i)
            content.cast.push_back(readMember(cast[i], "cast member " + std::to_string(i + 1)));

        const Json& instances = Array(root, "instances", "the project");
        for (size_t i = 0; i < instances.size(); ++i) {
            const Json& entry = instances[i];
            std::string where = "instance " + std::to_string(i + 1);
            CheckFields(entry, where, {"class", "row", "start", "stop", "cast", "properties", "scripts", "keyframes"});
            for (const char* required : {"class", "row", "start", "stop"})
                if (!entry.contains(required))
                    Fail(where, std::string("it has no \"") + required + "\"");
            auto instance = Create<Instance>(records, Text(entry["class"], where, "class"), "Instance", where);
            ProjectContent::PlacedInstance placed{instance, Integer(entry["row"], where, "row"),
                                                  Integer(entry["start"], where, "start"),
                                                  Integer(entry["stop"], where, "stop")};
            if (entry.contains("cast")) {
                const Json& reference = entry["cast"];
                Pointer<CastMember> member;
                if (reference.is_number_integer()) {
                    int index = Integer(reference, where, "cast");
                    if (index < 0 || static_cast<size_t>(index) >= content.cast.size())
                        Fail(where, "\"cast\" names no cast member of the project");
                    member = content.cast[static_cast<size_t>(index)];
                } else {
                    member = readMember(reference, where + ", its cast member");
                }
                if (!instance->AcceptsCastMember(member))
                    Fail(where, "it cannot show a cast member of class " +
                                    Quote(member->GetClass()->GetName().str()));
                instance->SetCastMember(member);
            }
            instance->Initialize();
            auto properties = instance.As<HasProperties>("HasProperties");
            ReadValues(entry, "properties", properties, where);
            ReadValues(entry, "scripts", properties, where);
            ReadKeyFrames(Array(entry, "keyframes", where), instance, where);
            content.instances.push_back(std::move(placed));
        }
        return content;
    } catch (const Json::exception& error) {
        // Every shape is checked above; this is the net under those checks.
        Fail("", std::string("the file is damaged (") + error.what() + ")");
    }
}
