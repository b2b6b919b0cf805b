#pragma once

#include "model/CastListStdImpl.h"
#include "model/InstanceTextCache.h"
#include "model/PlayerStdImpl.h"
#include "model/PlayerTimerStdImpl.h"
#include "model/ProjectContent.h"
#include "model/TimeLineStdImpl.h"

#include "host/Project.h"

#include "framework/SharedObject.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// "Project": the project file. Loading reads the whole file into new objects
// first and replaces the open project only when all of it was sound; saving
// writes a temporary file beside the target and renames it over the target,
// so that neither a bad file nor a crash ever costs the author a project.
// Problems are told to the author in a message box that names the file.
class ProjectStdImpl : public Project, public SharedObject {
  public:
    ProjectStdImpl(Pointer<PlayerStdImpl> player, Pointer<PlayerTimerStdImpl> timer,
                   Pointer<TimeLineStdImpl> timeLine, Pointer<CastListStdImpl> castList);

    void* FindInterface(const char* name) override;
    String GetSharedName() override { return "Project"; }

    String GetFileName() override { return m_strFileName; }
    // Empties the project: no cast, no instances, no file name, frame 1.
    void New() override;
    bool Load(Pointer<BaseObject> context, const String& path) override;
    bool Save(Pointer<BaseObject> context, const String& path) override;

    // The open project, as a file would hold it.
    ProjectContent GetContent() const;
    // The open project as the text of a file that can be read back from any
    // folder (every medium named in full): for copies kept outside the
    // project's own file.
    std::string Snapshot() const;
    // Puts the project a Snapshot text describes in place of the open one,
    // keeping the file name and the current frame. Cast members equal to open
    // ones (same class, same file) are taken over as they are, so that only
    // media new to the project are read. False, with a line on the debug
    // output, when the text is not a sound project.
    bool Restore(const std::string& text);
    // Called after New and after every Load that replaced the project.
    void SetReplaceListener(std::function<void()> listener) {
        m_replaceListener = std::move(listener);
    }

    // Whether the project differs from what was last opened, saved or made
    // new.
    bool IsModified() const;
    // Opens a copy kept outside the project's own file as a changed project
    // with no file name, so that saving it asks where to.
    bool Recover(const String& path);

  private:
    void RememberSaved(std::filesystem::path folder, std::string text, bool asWritten);
    std::string WrittenAgain(const std::string& text) const;
    void SetFileName(const String& path);
    void Replace(ProjectContent content, int frame);
    void TakeOverCastMembers(ProjectContent& content) const;
    // Restore by reading only the instances whose text differs from an open
    // one's and keeping the others as they are; false, changing nothing, when
    // that does not give the text.
    bool RestoreChanged(const std::string& text);

    Pointer<PlayerStdImpl> m_pPlayer;
    Pointer<PlayerTimerStdImpl> m_pTimer;
    Pointer<TimeLineStdImpl> m_pTimeLine;
    Pointer<CastListStdImpl> m_pCastList;
    String m_strFileName;
    std::function<void()> m_replaceListener;
    // The file text of the project as last opened, saved or made new, and the
    // folder its media paths are relative to; none after Recover. As read
    // from the file, until a comparison needs it as this version writes it.
    std::filesystem::path m_savedFolder;
    mutable std::optional<std::string> m_savedText;
    mutable bool m_savedAsWritten = true;
    // Writing the project after a small change writes only that change.
    mutable InstanceTextCache m_textCache;
};
