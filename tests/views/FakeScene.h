#pragma once

// Stand-ins for the project model, which lies outside the views: a player
// that draws coloured boxes (one selection name each) through a fixed camera,
// and the empty time line and cast list that the other authoring windows read.

#include "framework/Float3.h"
#include "framework/InterfaceQuery.h"
#include "framework/SharedObject.h"
#include "host/CastList.h"
#include "host/CastMember.h"
#include "host/Instance.h"
#include "host/Player.h"
#include "host/TimeLine.h"

#include <vector>

class FakeInstance : public Instance {
public:
    Pointer<CastMember> GetCastMember() override { return {}; }
    void Draw(bool) override {}
    void Initialize() override {}
    bool AcceptsCastMember(Pointer<CastMember>) override { return false; }
    void SetCastMember(Pointer<CastMember>) override {}
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name).Answer("Instance", static_cast<Instance*>(this)).Result();
    }

protected:
    void ApplyFrame(int, int) override {}
};

// A cube of half-size fHalf around centre, drawn under selection name nName.
struct FakeBox {
    Float3 centre;
    float fHalf;
    float colour[3];
    int nName;
    Pointer<Instance> instance;
};

class FakePlayer : public Player, public SharedObject {
public:
    void SetCurrentFrame(int frame) override { m_nFrame = frame; }
    int GetCurrentFrame() override { return m_nFrame; }
    // The camera stands on +z, 10 units from the origin, looking at it.
    void ApplyCamera() override;
    void Draw(bool selecting) override;
    Pointer<Instance> GetInstanceForName(int name) override;
    String GetSharedName() override { return "Player"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("Player", static_cast<Player*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    // Adds a box with its own instance, drawn after those added before.
    Pointer<Instance> AddBox(Float3 centre, float half, float red, float green, float blue);

    std::vector<FakeBox> m_boxes;
    std::vector<int> m_askedNames;
    std::vector<bool> m_draws; // the selecting flag of every Draw
    int m_nFrame = 1;
};

class FakeTimeLine : public TimeLine, public SharedObject {
public:
    InstanceList GetInstances(int, int, int) override { return {}; }
    void AddInstance(Pointer<Instance>, int, int, int) override {}
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

    Pointer<Instance> m_pSelected;
};

class FakeCastList : public CastList, public SharedObject {
public:
    CastMemberList GetCastMembers() override { return {}; }
    void AddCastMember(Pointer<CastMember>) override {}
    String GetSharedName() override { return "Cast List"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("CastList", static_cast<CastList*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }
};
