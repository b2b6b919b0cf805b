#pragma once

#include "framework/Pointer.h"

#include <vector>

class CastMember;

using CastMemberList = std::vector<Pointer<CastMember>>;

// "Cast List": the project's cast members in insertion order.
class CastList : public virtual BaseObject {
  public:
    virtual CastMemberList GetCastMembers() = 0;
    virtual void AddCastMember(Pointer<CastMember> member) = 0;
};
