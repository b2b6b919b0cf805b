#include "model/ProjectStdImpl.h"

#include "model/AtomicFile.h"
#include "model/ProjectFileError.h"
#include "model/ProjectReader.h"
#include "model/ProjectTextParts.h"
#include "model/ProjectWriter.h"

#include "host/CastMember.h"
#include "host/Instance.h"

#include "framework/Debugger.h"
#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace {
constexpr std::uintmax_t kLargestProject = 256u * 1024 * 1024;

std::filesystem::path NativePath(const String& path) {
    std::string text = path.str();
    std::replace(text.begin(), text.end(), '\\', '/');
    return std::filesystem::path(text);
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return (error ? file : absolute).parent_path();
}

// A message box for the author, and the same line in the debug output so
// that a session's log tells what happened.
void TellAuthor(const std::string& text, UINT icon) {
    TVK::GetDebugger()->PrintError("%s\n", text.c_str());
    AfxMessageBox(text.c_str(), MB_OK | icon);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    auto status = std::filesystem::status(path, error);
    if (error)
        throw ProjectFileError("the file cannot be read (" + error.message() + ")");
    if (!std::filesystem::is_regular_file(status))
        throw ProjectFileError("it is not a file");
    std::uintmax_t size = std::filesystem::file_size(path, error);
    if (size > kLargestProject)
        throw ProjectFileError("it is far too large to be a project");
    std::ifstream in(path, std::ios::binary);
    std::string text;
    text.reserve((error ? 0 : size) + ProjectReader::kPadding);
    text.resize(error ? 0 : size);
    if (in)
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!in.is_open() || in.bad())
        throw ProjectFileError(std::string("the file cannot be read (") + std::strerror(errno) +
                               ")");
    // A file that shrank while being read holds only what was there.
    text.resize(static_cast<size_t>(in.gcount()));
    return text;
}

} // namespace

ProjectStdImpl::ProjectStdImpl(Pointer<PlayerStdImpl> player, Pointer<PlayerTimerStdImpl> timer,
                               Pointer<TimeLineStdImpl> timeLine, Pointer<CastListStdImpl> castList)
    : m_pPlayer(std::move(player)), m_pTimer(std::move(timer)), m_pTimeLine(std::move(timeLine)),
      m_pCastList(std::move(castList)) {
    RememberSaved(std::filesystem::path(), Snapshot(), true);
}

void* ProjectStdImpl::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("Project", static_cast<Project*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("ProjectStdImpl", this)
        .Result();
}

void ProjectStdImpl::New() {
    Replace(ProjectContent(), 1);
    SetFileName(String());
    RememberSaved(std::filesystem::path(), Snapshot(), true);
    if (m_replaceListener)
        m_replaceListener();
}

bool ProjectStdImpl::Load(Pointer<BaseObject>, const String& path) {
    std::filesystem::path file = NativePath(path);
    ProjectContent content;
    std::string text;
    try {
        text = ReadWholeFile(file);
        content = ProjectReader(FolderOf(file)).Read(text);
    } catch (const ProjectFileError& error) {
        TellAuthor("Unable to open the project \"" + path.str() + "\": " + error.what() + ".",
                   MB_ICONHAND);
        return false;
    }
    std::vector<CastMember*> members;
    std::unordered_set<CastMember*> seen;
    auto add = [&](CastMember* member) {
        if (member && seen.insert(member).second)
            members.push_back(member);
    };
    for (const auto& member : content.cast)
        add(member.Get());
    for (const auto& placed : content.instances)
        add(placed.instance->GetCastMember().Get());
    // A missing medium does not stop the project: its cast member keeps its
    // file name, shows nothing, and is saved as it was.
    std::string missing;
    for (CastMember* member : members)
        if (!member->Load())
            missing += "\n" + member->GetFileName().str();
    Replace(std::move(content), 1);
    SetFileName(path);
    RememberSaved(FolderOf(file), std::move(text), false);
    if (m_replaceListener)
        m_replaceListener();
    if (!missing.empty())
        TellAuthor("The project \"" + path.str() +
                       "\" was opened, but these media could not be loaded:" + missing,
                   MB_ICONEXCLAMATION);
    return true;
}

bool ProjectStdImpl::Save(Pointer<BaseObject>, const String& path) {
    std::filesystem::path file = NativePath(path);
    std::string text = ProjectWriter(FolderOf(file), &m_textCache).Write(GetContent());
    try {
        AtomicFile::Write(file, text);
    } catch (const ProjectFileError& error) {
        TellAuthor("Unable to save the project to \"" + path.str() + "\": " + error.what() + ".",
                   MB_ICONHAND);
        return false;
    }
    SetFileName(path);
    RememberSaved(FolderOf(file), std::move(text), true);
    return true;
}

// Exactly what saving to the project's own file now would change. A file
// this version wrote reads back as the very text it holds; only a file that
// differs from it (written by hand or by an older version) needs its text as
// this version writes it, made once, from the text kept.
bool ProjectStdImpl::IsModified() const {
    if (!m_savedText)
        return true;
    std::string now = ProjectWriter(m_savedFolder, &m_textCache).Write(GetContent());
    if (now == *m_savedText)
        return false;
    if (!m_savedAsWritten) {
        m_savedText = WrittenAgain(*m_savedText);
        m_savedAsWritten = true;
    }
    return now != *m_savedText;
}

// Opening remembers the text read, not the project written out again: that
// would cost as much as a save on every open.
void ProjectStdImpl::RememberSaved(std::filesystem::path folder, std::string text, bool asWritten) {
    m_savedFolder = std::move(folder);
    m_savedText = std::move(text);
    m_savedAsWritten = asWritten;
}

// The text read back into new objects (their media unread) and written out.
std::string ProjectStdImpl::WrittenAgain(const std::string& text) const {
    try {
        return ProjectWriter(m_savedFolder).Write(ProjectReader(m_savedFolder).Read(text));
    } catch (const ProjectFileError&) {
        // It was read once; only a plug-in library gone since stops it now.
        return text;
    }
}

bool ProjectStdImpl::Recover(const String& path) {
    if (!Load(Pointer<BaseObject>(), path))
        return false;
    SetFileName(String());
    m_savedText.reset();
    return true;
}

std::string ProjectStdImpl::Snapshot() const {
    return ProjectWriter(std::filesystem::path(), &m_textCache).Write(GetContent());
}

bool ProjectStdImpl::Restore(const std::string& text) {
    if (RestoreChanged(text))
        return true;
    ProjectContent content;
    try {
        content = ProjectReader(std::filesystem::path()).Read(text);
    } catch (const ProjectFileError& error) {
        TVK::GetDebugger()->PrintError("A former state of the project cannot be restored: %s\n",
                                       error.what());
        return false;
    }
    TakeOverCastMembers(content);
    Replace(std::move(content), m_pPlayer->GetCurrentFrame());
    return true;
}

bool ProjectStdImpl::RestoreChanged(const std::string& text) {
    std::string openText = Snapshot();
    ProjectTextParts wanted, open;
    if (!wanted.Split(text) || !open.Split(openText))
        return false;
    std::vector<size_t> kept = wanted.Match(open);
    std::vector<size_t> changed;
    for (size_t place = 0; place < kept.size(); ++place)
        if (kept[place] == ProjectTextParts::kNone)
            changed.push_back(place);
    ProjectContent content;
    try {
        content = ProjectReader(std::filesystem::path()).Read(wanted.Join(changed));
    } catch (const ProjectFileError&) {
        return false;
    }
    TakeOverCastMembers(content);
    ProjectContent current = GetContent();
    std::vector<ProjectContent::PlacedInstance> instances;
    instances.reserve(kept.size());
    auto read = content.instances.begin();
    for (size_t place : kept)
        instances.push_back(place == ProjectTextParts::kNone ? *read++ : current.instances[place]);
    content.instances = std::move(instances);
    // A kept instance whose cast member moved in the cast list would name
    // another one now.
    if (ProjectWriter(std::filesystem::path(), &m_textCache).Write(content) != text)
        return false;
    Replace(std::move(content), m_pPlayer->GetCurrentFrame());
    return true;
}

// A cast member is its class and its file; reading the file again would only
// cost time. Members not open before are loaded; one whose medium is missing
// shows nothing, as after Load.
void ProjectStdImpl::TakeOverCastMembers(ProjectContent& content) const {
    std::multimap<std::pair<std::string, std::string>, Pointer<CastMember>> open;
    auto keyOf = [](const Pointer<CastMember>& member) {
        return std::make_pair(member->GetClass()->GetName().str(), member->GetFileName().str());
    };
    auto offer = [&](const Pointer<CastMember>& member) {
        if (member)
            open.emplace(keyOf(member), member);
    };
    for (const auto& member : m_pCastList->GetCastMembers())
        offer(member);
    for (const auto& placement : m_pTimeLine->GetPlacements())
        if (m_pCastList->IndexOf(placement.instance->GetCastMember().Get()) < 0)
            offer(placement.instance->GetCastMember());

    std::unordered_map<CastMember*, Pointer<CastMember>> chosen;
    auto choose = [&](const Pointer<CastMember>& member) -> Pointer<CastMember> {
        auto known = chosen.find(member.Get());
        if (known != chosen.end())
            return known->second;
        Pointer<CastMember> taken = member;
        auto found = open.find(keyOf(member));
        if (found != open.end()) {
            taken = found->second;
            open.erase(found);
        } else {
            member->Load();
        }
        chosen.emplace(member.Get(), taken);
        return taken;
    };
    for (auto& member : content.cast)
        member = choose(member);
    for (auto& placed : content.instances)
        if (auto member = placed.instance->GetCastMember())
            placed.instance->SetCastMember(choose(member));
}

ProjectContent ProjectStdImpl::GetContent() const {
    ProjectContent content;
    content.frameRate = m_pTimer->GetFrameRate();
    content.camera = m_pPlayer->GetCamera();
    content.cast = m_pCastList->GetCastMembers();
    auto placements = m_pTimeLine->GetPlacements();
    content.instances.reserve(placements.size());
    for (auto& placement : placements)
        content.instances.push_back(
            {std::move(placement.instance), placement.row, placement.start, placement.stop});
    return content;
}

// Programs that the tool starts find the open project through the
// environment: the resource compiler that reads a copy of it resolves the
// project's media paths, which are relative to the project's own folder.
void ProjectStdImpl::SetFileName(const String& path) {
    m_strFileName = path;
    if (path.IsEmpty()) {
        unsetenv("CORVANE_PROJECT");
        return;
    }
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(NativePath(path), error);
    setenv("CORVANE_PROJECT", (error ? NativePath(path) : absolute).c_str(), 1);
}

void ProjectStdImpl::Replace(ProjectContent content, int frame) {
    m_pTimer->Stop();
    m_pTimer->GetScriptEngine().Reset();
    m_pTimer->SetFrameRate(content.frameRate);
    m_pPlayer->SetCamera(content.camera);
    m_pTimeLine->Clear();
    m_pTimeLine->Reserve(content.instances.size());
    for (const auto& placed : content.instances)
        m_pTimeLine->AddInstance(placed.instance, placed.row, placed.start, placed.stop);
    m_pCastList->SetCastMembers(std::move(content.cast));
    m_pPlayer->ShowFrame(frame);
}
