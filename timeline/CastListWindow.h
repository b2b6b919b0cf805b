#pragma once

#include "host/CastMember.h"

#include "framework/Pointer.h"

// "CastListWindow", answered by the cast list window published as "Cast List
// Window" while it is open: which cast member a client point lies on, and the
// two marks a drag from the list shows. None of the operations redraws.
class CastListWindow : public virtual BaseObject {
  public:
    // The cast member whose tile holds the client point, or empty. The index
    // is written whenever the point lies on a tile position, even one after
    // the last member; it is left alone otherwise.
    virtual Pointer<CastMember> GetCastMemberAt(int x, int y, int* index) = 0;
    // An empty pointer clears the mark.
    virtual void SetHotCastMember(Pointer<CastMember> member) = 0;
    virtual void SetDraggedCastMember(Pointer<CastMember> member) = 0;
    virtual Pointer<CastMember> GetHotCastMember() = 0;
    virtual Pointer<CastMember> GetDraggedCastMember() = 0;
};
