#pragma once

#include "host/CastList.h"

#include "framework/SharedObject.h"

// "Cast List": the project's cast members in the order they were added.
class CastListStdImpl : public CastList, public SharedObject {
  public:
    void* FindInterface(const char* name) override;
    String GetSharedName() override { return "Cast List"; }

    CastMemberList GetCastMembers() override { return m_members; }
    void AddCastMember(Pointer<CastMember> member) override;

    void SetCastMembers(CastMemberList members) { m_members = std::move(members); }
    // The member's place in the list; -1 when it is not in it.
    int IndexOf(const CastMember* member) const;

  private:
    CastMemberList m_members;
};
