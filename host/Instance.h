#pragma once

#include "framework/Pointer.h"

class CastMember;

// An object on the time line, usually showing a cast member.
class Instance : public virtual BaseObject {
  public:
    virtual Pointer<CastMember> GetCastMember() = 0;
    // Draws the instance as it stands (its properties already applied).
    virtual void Draw(bool selecting) = 0;
    virtual void Initialize() = 0;
    virtual bool AcceptsCastMember(Pointer<CastMember> member) = 0;
    virtual void SetCastMember(Pointer<CastMember> member) = 0;

    // Re-applies the instance's property values for a frame (the second
    // argument is the frame it comes from; callers pass the same frame twice).
    void PlayerFrameChange(int frame, int previousFrame) { ApplyFrame(frame, previousFrame); }

  protected:
    virtual void ApplyFrame(int frame, int previousFrame) = 0;
};
