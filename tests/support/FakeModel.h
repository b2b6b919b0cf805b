#pragma once

// Small stand-ins for the project model's shared objects, which lie outside
// the module, and for the time line window that the commands find published.
// Every call that changes the play state or the project is written to one
// log, so that tests can check what happened and in which order. The player
// draws a scene of coloured boxes, the time line holds placed instances, and
// the cast's members paint a plain coloured picture.

#include "framework/Exception.h"
#include "framework/Float3.h"
#include "framework/InterfaceQuery.h"
#include "framework/SharedObject.h"
#include "host/AllowsKeyFrames.h"
#include "host/CastList.h"
#include "host/CastMember.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/Project.h"
#include "host/TimeLine.h"
#include "platform/gdi/CDC.h"
#include "timeline/TimeLineWindow.h"

#include <QApplication>
#include <QCursor>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

std::vector<std::string>& CallLog();

// A shared object published under sharedName, answering for one interface.
template <class Interface> class Published : public Interface, public SharedObject {
  public:
    Published(const char* interfaceName, const char* sharedName)
        : m_pszInterface(interfaceName), m_pszSharedName(sharedName) {}
    String GetSharedName() override { return m_pszSharedName; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer(m_pszInterface, static_cast<Interface*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

  private:
    const char* m_pszInterface;
    const char* m_pszSharedName;
};

class FakePlayerTimer : public Published<PlayerTimer> {
  public:
    FakePlayerTimer() : Published("PlayerTimer", "Player Timer") {}
    void Start() override {
        CallLog().push_back("Start");
        m_bRunning = true;
    }
    void Stop() override {
        CallLog().push_back("Stop");
        m_bRunning = false;
    }
    bool IsRunning() override { return m_bRunning; }

    bool m_bRunning = false;
};

class FakePropertyHolder : public PropertyHolder {
  public:
    bool GetPropertyValue(const String& name, String& out) override {
        auto found = m_values.find(name.str());
        if (found == m_values.end())
            return false;
        out = found->second;
        return true;
    }
    bool SetPropertyValue(const String& name, const String& value) override {
        m_values[name.str()] = value.str();
        return true;
    }
    bool HasProperty(const String& name) override { return m_values.count(name.str()) != 0; }
    String GetHolderName() override { return "Placement"; }
    void AddProperty(const String& name, const String& value) override {
        SetPropertyValue(name, value);
    }
    StringList GetPropertyNames() override { return {}; }

  private:
    std::map<std::string, std::string> m_values;
};

// An instance over frames start to stop, with key frames when it allows them.
class FakeInstance : public Instance, public HasProperties, public AllowsKeyFrames {
  public:
    FakeInstance(const char* start, const char* stop, bool allowsKeyFrames = true)
        : m_bAllowsKeyFrames(allowsKeyFrames) {
        Pointer<PropertyHolder> holder(new FakePropertyHolder);
        holder->AddProperty("FrameStart", start);
        holder->AddProperty("FrameStop", stop);
        m_holders.push_back(holder);
    }

    Pointer<CastMember> GetCastMember() override { return {}; }
    void Draw(bool) override {}
    void Initialize() override {}
    bool AcceptsCastMember(Pointer<CastMember>) override { return false; }
    void SetCastMember(Pointer<CastMember>) override {}
    Pointer<KeyFrame> GetNextKeyFrame(int fromFrame) override {
        for (const Pointer<KeyFrame>& keyFrame : m_keyFrames)
            if (keyFrame->frame >= fromFrame)
                return keyFrame;
        return {};
    }
    // Key frames are added in frame order by the tests.
    Pointer<KeyFrame> AddKeyFrame(int frame) override {
        Pointer<KeyFrame> keyFrame(new KeyFrame);
        keyFrame->frame = frame;
        m_keyFrames.push_back(keyFrame);
        return keyFrame;
    }
    void RemoveKeyFrame(int) override {}
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("Instance", static_cast<Instance*>(this))
            .Answer("HasProperties", static_cast<HasProperties*>(this))
            .Answer("AllowsKeyFrames",
                    m_bAllowsKeyFrames ? static_cast<AllowsKeyFrames*>(this) : nullptr)
            .Result();
    }

  protected:
    void ApplyFrame(int, int) override {}

  private:
    bool m_bAllowsKeyFrames;
    std::vector<Pointer<KeyFrame>> m_keyFrames;
};

// A cube of half-size fHalf around centre, drawn under selection name nName.
struct FakeBox {
    Float3 centre;
    float fHalf;
    float colour[3];
    int nName;
    Pointer<Instance> instance;
};

class FakePlayer : public Published<Player> {
  public:
    FakePlayer() : Published("Player", "Player") {}
    void SetCurrentFrame(int frame) override {
        CallLog().push_back("SetCurrentFrame(" + std::to_string(frame) + ")");
        m_nFrame = frame;
    }
    int GetCurrentFrame() override { return m_nFrame; }
    // The camera stands on +z, 10 units from the origin, looking at it.
    void ApplyCamera() override;
    void Draw(bool selecting) override;
    Pointer<Instance> GetInstanceForName(int name) override;

    // Adds a box with its own instance, drawn after those added before.
    Pointer<Instance> AddBox(Float3 centre, float half, float red, float green, float blue);

    int m_nFrame = 1;
    std::vector<FakeBox> m_boxes;
    std::vector<int> m_askedNames;
    std::vector<bool> m_draws; // the selecting flag of every Draw
};

class FakeTimeLine : public Published<TimeLine> {
  public:
    struct Query {
        int row, firstFrame, lastFrame;
        bool operator==(const Query&) const = default;
    };
    struct Placement {
        Pointer<Instance> instance;
        int row, start, stop;
    };

    FakeTimeLine() : Published("TimeLine", "Time Line") {}
    // The window reads the frames from the instance's own properties.
    InstanceList GetInstances(int row, int firstFrame, int lastFrame) override {
        m_queries.push_back({row, firstFrame, lastFrame});
        InstanceList found;
        for (const Placement& placement : m_placements)
            if (placement.row == row && placement.start <= lastFrame &&
                placement.stop >= firstFrame)
                found.push_back(placement.instance);
        return found;
    }
    void AddInstance(Pointer<Instance> instance, int row, int frameStart, int frameStop) override {
        m_placements.push_back({instance, row, frameStart, frameStop});
    }
    void RemoveInstance(Pointer<Instance>, int) override {}
    void MoveInstance(Pointer<Instance>, int, int, int, int) override {}
    void SetSelectedInstance(Pointer<Instance> instance) override { m_pSelected = instance; }
    Pointer<Instance> GetSelectedInstance() override { return m_pSelected; }
    void PrepareForPlay() override { CallLog().push_back("PrepareForPlay"); }

    std::vector<Placement> m_placements;
    std::vector<Query> m_queries;
    Pointer<Instance> m_pSelected;
};

// A cast member whose picture is its colour, filling the area it is given.
class FakeCastMember : public CastMember {
  public:
    FakeCastMember(const char* name, COLORREF colour) : m_strName(name), m_crColour(colour) {}

    void SetFileName(Pointer<BaseObject>, const String&) override {}
    String GetFileName() override { return {}; }
    String GetName() override { return m_strName; }
    StringList GetFileTypes() override { return {}; }
    bool Load() override { return true; }
    void DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) override {
        m_areas.push_back(area);
        m_bScratchLent = scratch && scratch != target && scratch->GetSafeHdc();
        target->FillSolidRect(area.left, area.top, area.right - area.left, area.bottom - area.top,
                              m_crColour);
    }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name).Answer("CastMember", static_cast<CastMember*>(this)).Result();
    }

    String m_strName;
    COLORREF m_crColour;
    std::vector<tagRECT> m_areas;
    bool m_bScratchLent = false;
};

class FakeCastList : public Published<CastList> {
  public:
    FakeCastList() : Published("CastList", "Cast List") {}
    CastMemberList GetCastMembers() override { return m_members; }
    void AddCastMember(Pointer<CastMember> member) override { m_members.push_back(member); }

    CastMemberList m_members;
};

class FakeProject : public Published<Project> {
  public:
    FakeProject() : Published("Project", "Project") {}
    String GetFileName() override { return m_strFileName; }
    void New() override {
        CallLog().push_back("New");
        m_strFileName = String();
    }
    bool Load(Pointer<BaseObject>, const String& path) override { return Note("Load", path); }
    bool Save(Pointer<BaseObject>, const String& path) override { return Note("Save", path); }

    String m_strFileName;
    // Whether the author saw the wait cursor during every load and save.
    bool m_bWaitCursorShown = true;

  private:
    bool Note(const char* call, const String& path) {
        CallLog().push_back(call + ("(" + path.str() + ")"));
        QCursor* cursor = QApplication::overrideCursor();
        m_bWaitCursorShown = m_bWaitCursorShown && cursor && cursor->shape() == Qt::WaitCursor;
        m_strFileName = path;
        return true;
    }
};

// The time line window as published while it is open. It can be told to fail
// the way a broken window would.
class FakeTimeLineWindow : public Published<TimeLineWindow> {
  public:
    enum class Failure { None, FrameworkException, OtherException };

    FakeTimeLineWindow() : Published("TimeLineWindow", "Time Line Window") {}
    bool PointToCell(int, int, int&, int&) override { return false; }
    void SetSelection(int, int, int, int) override {}
    void ClearSelection() override {}
    Pointer<KeyFrame> GetSelectedKeyFrame() override { return m_pSelected; }
    void SetSelectedKeyFrame(Pointer<KeyFrame> keyFrame) override {
        CallLog().push_back(keyFrame ? "SetSelectedKeyFrame(key frame)"
                                     : "SetSelectedKeyFrame(none)");
        if (m_failure == Failure::FrameworkException)
            throw new Exception("the time line window is broken");
        if (m_failure == Failure::OtherException)
            throw std::runtime_error("the time line window is broken");
        m_pSelected = keyFrame;
    }

    Failure m_failure = Failure::None;
    Pointer<KeyFrame> m_pSelected;
};
