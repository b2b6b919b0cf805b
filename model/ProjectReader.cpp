#include "model/ProjectReader.h"

#include "model/ProjectFileError.h"
#include "model/ProjectFormat.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/PropertyHolderForKeyFrame.h"

#include "framework/RTTIClass.h"

#include <nlohmann/json.hpp>
#include <simdjson.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <unordered_map>

// simdjson reads the tree: a .qmx of ten thousand instances is several
// megabytes, and it parses that in a few milliseconds.
using Element = simdjson::dom::element;
using Object = simdjson::dom::object;
using simdjson::dom::element_type;

namespace {
// Names from the file, short enough for a message.
std::string Quote(std::string_view text) {
    constexpr size_t kLongest = 60;
    return "\"" + std::string(text.substr(0, kLongest)) + (text.size() > kLongest ? "...\"" : "\"");
}

// Where in the file something lies ("instance 3, key frame at frame 20"):
// spelled out only when a problem is reported, since a sound file of ten
// thousand instances passes through hundreds of thousands of places.
class Place {
  public:
    Place(const char* what, const Place* outer = nullptr) : m_what(what), m_pOuter(outer) {}
    Place(const char* what, std::int64_t number, const Place* outer = nullptr)
        : m_what(what), m_number(number), m_hasNumber(true), m_pOuter(outer) {}

    std::string Text() const {
        std::string text = m_pOuter ? m_pOuter->Text() + ", " + m_what : m_what;
        return m_hasNumber ? text + " " + std::to_string(m_number) : text;
    }

  private:
    const char* m_what;
    std::int64_t m_number = 0;
    bool m_hasNumber = false;
    const Place* m_pOuter;
};

[[noreturn]] void Fail(const Place& where, const std::string& problem) {
    std::string at = where.Text();
    throw ProjectFileError(at.empty() ? problem : at + ": " + problem);
}

// What is wrong with text that is no JSON. nlohmann's parser tells the line
// and column (it builds nothing here: every value is dropped as it is read);
// simdjson's own words stand for what only simdjson refuses, such as a
// document nested too deeply.
std::string SyntaxProblem(std::string_view text, simdjson::error_code code) {
    try {
        nlohmann::json nothing = nlohmann::json::parse(
            text.begin(), text.end(),
            [](int, nlohmann::json::parse_event_t, nlohmann::json&) { return false; });
    } catch (const nlohmann::json::exception& error) { // a syntax error, or a number out of range
        std::string message = error.what();
        if (size_t end = message.find("] ");
            message.rfind("[json.exception", 0) == 0 && end != std::string::npos)
            message.erase(0, end + 2);
        return message;
    }
    return simdjson::error_message(code);
}

std::optional<Element> Find(const Object& object, std::string_view field) {
    Element value;
    if (object.at_key(field).get(value))
        return std::nullopt;
    return value;
}

// An object's fields, taken in one pass once every field is known and none
// appears twice, so that asking for one walks no JSON.
class Fields {
  public:
    template <size_t N>
    Fields(const Element& value, const Place& where, const std::string_view (&known)[N]) {
        static_assert(N <= kMost);
        Object object;
        if (value.get(object))
            Fail(where, "this is not an object");
        std::copy(known, known + N, m_names.begin());
        m_count = N;
        // Files list the fields in the known order, some left out: the search
        // for each starts after the one before.
        size_t next = 0;
        for (const auto& field : object) {
            size_t index = IndexOf(field.key, next);
            if (index == m_count)
                Fail(where, "unknown field " + Quote(field.key));
            if (m_values[index])
                Fail(where, "the field " + Quote(field.key) + " appears twice");
            m_values[index] = field.value;
            next = index + 1;
        }
    }

    std::optional<Element> Find(std::string_view field) const {
        size_t index = IndexOf(field, 0);
        return index < m_count ? m_values[index] : std::nullopt;
    }

  private:
    // The place of the field among the known names, looked for from first on
    // and then from the start; m_count when it is none of them.
    size_t IndexOf(std::string_view field, size_t first) const {
        for (size_t i = first; i < m_count; ++i)
            if (m_names[i] == field)
                return i;
        for (size_t i = 0; i < first && i < m_count; ++i)
            if (m_names[i] == field)
                return i;
        return m_count;
    }

    static constexpr size_t kMost = 8; // the instance's fields
    std::array<std::string_view, kMost> m_names;
    std::array<std::optional<Element>, kMost> m_values;
    size_t m_count;
};

int Integer(const Element& value, const Place& where, std::string_view field) {
    if (value.type() != element_type::INT64 && value.type() != element_type::UINT64)
        Fail(where, Quote(field) + " is not a whole number");
    std::int64_t number = 0;
    if (value.get(number) || number < INT_MIN || number > INT_MAX)
        Fail(where, Quote(field) + " is out of range");
    return static_cast<int>(number);
}

double Number(const Element& value, const Place& where, std::string_view field) {
    double number = 0.0;
    if (!value.is_number() || value.get(number))
        Fail(where, Quote(field) + " is not a number");
    return number;
}

std::string_view Text(const Element& value, const Place& where, std::string_view field) {
    std::string_view text;
    if (value.get(text))
        Fail(where, Quote(field) + " is not a text");
    return text;
}

std::optional<simdjson::dom::array> List(const std::optional<Element>& found,
                                         std::string_view field, const Place& where) {
    if (!found)
        return std::nullopt;
    simdjson::dom::array list;
    if (found->get(list))
        Fail(where, Quote(field) + " is not a list");
    return list;
}

// Class records by name, looked up once per class and file.
using ClassRecords = std::unordered_map<std::string, const RTTIClass*>;

// An object of a registered class, as its part for the interface.
template <class T>
Pointer<T> Create(ClassRecords& records, std::string_view className, const char* interfaceName,
                  const Place& where) {
    const RTTIClass*& record = records[std::string(className)];
    if (!record)
        record = RTTIClass::LookUpClass(String(className));
    if (!record)
        Fail(where, "the class " + Quote(className) +
                        " is unknown (is the plug-in library that has it installed?)");
    auto* part = static_cast<T*>(record->GetCreateFunction()(interfaceName));
    if (!part)
        Fail(where, "the class " + Quote(className) + " is no " + interfaceName + " class");
    return Pointer<T>(part);
}

Float3 Vector(const Element& value, const Place& where, std::string_view field) {
    simdjson::dom::array list;
    if (value.get(list) || list.size() != 3)
        Fail(where, Quote(field) + " is not a list of three numbers");
    Float3 vector;
    int i = 0;
    for (const Element& number : list)
        vector[i++] = static_cast<float>(Number(number, where, field));
    return vector;
}

Camera ReadCamera(const Element& value) {
    const Place where("the camera");
    Fields fields(value, where, {"eye", "target", "up"});
    Camera camera;
    if (auto eye = fields.Find("eye"))
        camera.eye = Vector(*eye, where, "eye");
    if (auto target = fields.Find("target"))
        camera.target = Vector(*target, where, "target");
    if (auto up = fields.Find("up"))
        camera.up = Vector(*up, where, "up");
    return camera;
}

// A key frame as written, before it is made.
struct KeyFrameEntry {
    int frame;
    std::optional<Element> changes;
};

// keyFrames: room for the entries, kept from one instance to the next.
void ReadKeyFrames(const simdjson::dom::array& list, const Pointer<Instance>& instance,
                   const Place& where, std::vector<KeyFrameEntry>& keyFrames) {
    if (list.size() == 0)
        return;
    auto allows = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (!allows)
        Fail(where, "instances of this class have no key frames");
    keyFrames.clear();
    const Place at("a key frame", &where);
    for (const Element& value : list) {
        Fields entry(value, at, {"frame", "changes"});
        auto frame = entry.Find("frame");
        if (!frame)
            Fail(where, "a key frame has no \"frame\"");
        keyFrames.push_back({Integer(*frame, at, "frame"), entry.Find("changes")});
    }
    // In frame order, each new key frame takes exactly the changes written.
    // A file this version wrote has them in that order already.
    auto earlier = [](const KeyFrameEntry& a, const KeyFrameEntry& b) { return a.frame < b.frame; };
    if (!std::is_sorted(keyFrames.begin(), keyFrames.end(), earlier))
        std::stable_sort(keyFrames.begin(), keyFrames.end(), earlier);
    for (size_t i = 0; i < keyFrames.size(); ++i) {
        int frame = keyFrames[i].frame;
        const Place place("key frame at frame", frame, &where);
        if (i > 0 && keyFrames[i - 1].frame == frame)
            Fail(place, "there are two key frames at this frame");
        Pointer<KeyFrame> keyFrame = allows->AddKeyFrame(frame);
        if (!keyFrames[i].changes)
            continue;
        Object changes;
        if (keyFrames[i].changes->get(changes))
            Fail(place, "\"changes\" is not an object");
        for (const auto& change : changes) {
            double value = Number(change.value, place, change.key);
            String name(change.key);
            bool stored = false;
            for (const auto& holder : keyFrame->holders) {
                if (!holder->HasProperty(name))
                    continue;
                auto group = holder.As<PropertyHolderForKeyFrame>("PropertyHolderForKeyFrame");
                if (group) {
                    group->SetChange(name, value);
                    stored = true;
                    break;
                }
            }
            if (!stored)
                Fail(place, "there is no property " + Quote(change.key) + " to change");
        }
    }
}

void ReadValues(const std::optional<Element>& found, std::string_view field,
                const Pointer<HasProperties>& properties, const Place& where) {
    if (!found)
        return;
    Object values;
    if (found->get(values))
        Fail(where, Quote(field) + " is not an object");
    for (const auto& value : values) {
        std::string_view text = Text(value.value, where, value.key);
        if (!properties || !properties->SetPropertyValue(String(value.key), String(text)))
            Fail(where, std::string("there is no ") +
                            (field == "scripts" ? "script " : "property ") + Quote(value.key));
    }
}

std::string NumberText(const Element& number) {
    std::int64_t whole = 0;
    if (!number.get(whole))
        return std::to_string(whole);
    return std::to_string(number.get_uint64().value_unsafe());
}

// The mark and version, checked before anything else: a newer file says so
// rather than naming the first field this version does not know.
void CheckFormat(const Object& project) {
    auto format = Find(project, "format");
    std::string_view mark;
    if (!format || format->get(mark) || mark != ProjectFormat::kFormat)
        Fail("", "it is not a Corvane project file");
    auto version = Find(project, "version");
    if (!version ||
        (version->type() != element_type::INT64 && version->type() != element_type::UINT64))
        Fail("", "it has no file format version");
    std::int64_t number = 0;
    if (version->get(number) || number > ProjectFormat::kVersion)
        Fail("", "it was written by a newer version of Corvane (file format version " +
                     NumberText(*version) + "; this version reads up to version " +
                     std::to_string(ProjectFormat::kVersion) + ")");
    if (number < 1)
        Fail("", "its file format version " + NumberText(*version) + " is not valid");
}

// The project object of the text, once it proved to be JSON of a project file
// whose version this reads and whose fields are all known.
Object ParseProject(simdjson::dom::parser& parser, const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        Fail("", "the file is empty");
    // Anything but a JSON object is some other kind of file, not a damaged project.
    if (text[first] != '{')
        Fail("", "it is not a Corvane project file");
    Element root;
    // Text with the parser's padding to spare is read where it is, uncopied.
    if (auto error = parser.parse(text).get(root))
        Fail("", "the file is damaged or truncated (" + SyntaxProblem(text, error) + ")");
    Object project;
    if (root.get(project))
        Fail("", "it is not a Corvane project file");
    CheckFormat(project);
    Fields known(root, "the project",
                 {"format", "version", "frameRate", "camera", "cast", "instances"});
    return project;
}

// A cast member with its file name; a relative file is resolved against the
// project's folder.
Pointer<CastMember> ReadCastMember(const Element& value, const Place& where, ClassRecords& records,
                                   const std::filesystem::path& folder) {
    Fields entry(value, where, {"class", "file"});
    auto className = entry.Find("class");
    if (!className)
        Fail(where, "it has no \"class\"");
    auto member =
        Create<CastMember>(records, Text(*className, where, "class"), "CastMember", where);
    if (auto fileName = entry.Find("file")) {
        std::string file(Text(*fileName, where, "file"));
        std::replace(file.begin(), file.end(), '\\', '/');
        std::filesystem::path path(file);
        if (path.is_relative())
            path = folder / path;
        member->SetFileName(nullptr, String(path.lexically_normal().string()));
    }
    return member;
}

// An instance's "cast": the index of a cast member of the project, or a cast
// member of its own.
Pointer<CastMember> ReadInstanceCastMember(const Element& reference, const Place& where,
                                           const CastMemberList& cast, ClassRecords& records,
                                           const std::filesystem::path& folder) {
    if (reference.type() != element_type::INT64 && reference.type() != element_type::UINT64)
        return ReadCastMember(reference, Place("its cast member", &where), records, folder);
    int index = Integer(reference, where, "cast");
    if (index < 0 || static_cast<size_t>(index) >= cast.size())
        Fail(where, "\"cast\" names no cast member of the project");
    return cast[static_cast<size_t>(index)];
}

ProjectContent::PlacedInstance ReadInstance(const Element& value, const Place& where,
                                            const CastMemberList& cast, ClassRecords& records,
                                            const std::filesystem::path& folder,
                                            std::vector<KeyFrameEntry>& keyFrameRoom) {
    Fields entry(value, where,
                 {"class", "row", "start", "stop", "cast", "properties", "scripts", "keyframes"});
    auto required = [&](std::string_view field) {
        auto found = entry.Find(field);
        if (!found)
            Fail(where, "it has no " + Quote(field));
        return *found;
    };
    auto instance =
        Create<Instance>(records, Text(required("class"), where, "class"), "Instance", where);
    ProjectContent::PlacedInstance placed{instance, Integer(required("row"), where, "row"),
                                          Integer(required("start"), where, "start"),
                                          Integer(required("stop"), where, "stop")};
    if (auto reference = entry.Find("cast")) {
        Pointer<CastMember> member =
            ReadInstanceCastMember(*reference, where, cast, records, folder);
        if (!instance->AcceptsCastMember(member))
            Fail(where, "it cannot show a cast member of class " +
                            Quote(member->GetClass()->GetName().str()));
        instance->SetCastMember(member);
    }
    instance->Initialize();
    auto properties = instance.As<HasProperties>("HasProperties");
    ReadValues(entry.Find("properties"), "properties", properties, where);
    ReadValues(entry.Find("scripts"), "scripts", properties, where);
    if (auto keyFrames = List(entry.Find("keyframes"), "keyframes", where))
        ReadKeyFrames(*keyFrames, instance, where, keyFrameRoom);
    return placed;
}
} // namespace

ProjectReader::ProjectReader(std::filesystem::path folder) : m_folder(std::move(folder)) {}

const size_t ProjectReader::kPadding = simdjson::SIMDJSON_PADDING;

ProjectContent ProjectReader::Read(const std::string& text) const {
    simdjson::dom::parser parser;
    const Object project = ParseProject(parser, text);
    ProjectContent content;
    if (auto frameRate = Find(project, "frameRate")) {
        content.frameRate = Integer(*frameRate, "the project", "frameRate");
        if (content.frameRate < 1 || content.frameRate > 1000)
            Fail("the project", "the frame rate must lie between 1 and 1000 frames a second");
    }
    if (auto camera = Find(project, "camera"))
        content.camera = ReadCamera(*camera);

    ClassRecords records;
    if (auto cast = List(Find(project, "cast"), "cast", "the project")) {
        content.cast.reserve(cast->size());
        for (const Element& entry : *cast)
            content.cast.push_back(ReadCastMember(
                entry, Place("cast member", static_cast<std::int64_t>(content.cast.size() + 1)),
                records, m_folder));
    }
    if (auto instances = List(Find(project, "instances"), "instances", "the project")) {
        content.instances.reserve(instances->size());
        std::vector<KeyFrameEntry> keyFrameRoom;
        for (const Element& entry : *instances)
            content.instances.push_back(ReadInstance(
                entry, Place("instance", static_cast<std::int64_t>(content.instances.size() + 1)),
                content.cast, records, m_folder, keyFrameRoom));
    }
    return content;
}
