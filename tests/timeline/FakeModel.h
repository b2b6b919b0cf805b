#pragma once

// Small stand-ins for the project model's shared objects, which lie outside the
// time line and cast list windows: instances with "FrameStart", "FrameStop"
// and key frames, a time line that records what it is asked, a player with a
// current frame, and a cast whose members paint a plain coloured picture.

#include "framework/InterfaceQuery.h"
#include "framework/SharedObject.h"
#include "host/AllowsKeyFrames.h"
#include "host/CastList.h"
#include "host/CastMember.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/Player.h"
#include "host/TimeLine.h"
#include "platform/gdi/CDC.h"

#include <map>
#include <string>
#include <vector>

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
        m_values[name.str()] = value.str();
    }
    StringList GetPropertyNames() override { return {}; }

  private:
    std::map<std::string, std::string> m_values;
};

// An instance over frames start to stop; with key frames when asked to.
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

class FakeTimeLine : public TimeLine, public SharedObject {
  public:
    struct Query {
        int row, firstFrame, lastFrame;
        bool operator==(const Query&) const = default;
    };
    struct Placement {
        Pointer<Instance> instance;
        int row, start, stop;
    };

    // Placements are made in frame order by the tests; the window reads the
    // frames from the instance's own properties.
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
    void PrepareForPlay() override {}
    String GetSharedName() override { return "Time Line"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("TimeLine", static_cast<TimeLine*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    std::vector<Placement> m_placements;
    std::vector<Query> m_queries;
    Pointer<Instance> m_pSelected;
};

class FakePlayer : public Player, public SharedObject {
  public:
    void SetCurrentFrame(int frame) override { m_nFrame = frame; }
    int GetCurrentFrame() override { return m_nFrame; }
    void ApplyCamera() override {}
    void Draw(bool) override {}
    Pointer<Instance> GetInstanceForName(int) override { return {}; }
    String GetSharedName() override { return "Player"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("Player", static_cast<Player*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    int m_nFrame = 1;
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

class FakeCastList : public CastList, public SharedObject {
  public:
    CastMemberList GetCastMembers() override { return m_members; }
    void AddCastMember(Pointer<CastMember> member) override { m_members.push_back(member); }
    String GetSharedName() override { return "Cast List"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("CastList", static_cast<CastList*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    CastMemberList m_members;
};
