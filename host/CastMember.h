#pragma once

#include "framework/Pointer.h"
#include "framework/String.h"
#include "framework/StringList.h"

class CDC;
struct tagRECT;

// A medium of the project: a mesh, an image, a text, a light ...
class CastMember : public virtual BaseObject {
  public:
    virtual void SetFileName(Pointer<BaseObject> context, const String& fileName) = 0;
    virtual String GetFileName() = 0;
    virtual String GetName() = 0;
    // Entries "description\n*.ext".
    virtual StringList GetFileTypes() = 0;
    // Reads the file; false (with a debugger line naming the file) on failure.
    virtual bool Load() = 0;
    // Draws the member's picture into area of target; scratch is a compatible
    // memory DC the member may use.
    virtual void DrawThumbnail(CDC* target, CDC* scratch, const tagRECT& area) = 0;
};
