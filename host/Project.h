#pragma once

#include "framework/Pointer.h"
#include "framework/String.h"

// "Project": the project file. Load and Save take an unused context handle.
class Project : public virtual BaseObject {
  public:
    // The file last loaded or saved; empty when none.
    virtual String GetFileName() = 0;
    virtual void New() = 0;
    // Loading a damaged or foreign file tells the author what failed and keeps
    // the open project as it was.
    virtual bool Load(Pointer<BaseObject> context, const String& path) = 0;
    // Remembers the path on success.
    virtual bool Save(Pointer<BaseObject> context, const String& path) = 0;
};
