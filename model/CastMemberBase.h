#pragma once

#include "host/CastMember.h"

#include "framework/BasePlugin.h"

#include <string>

// What the model's cast members share: the file they read and the name they
// show (the file's own name, without its folder).
class CastMemberBase : public BasePlugin, public CastMember {
  public:
    void SetFileName(Pointer<BaseObject> context, const String& fileName) override;
    String GetFileName() override;
    String GetName() override;

  protected:
    // The answers every cast member class gives, for its FindInterface.
    void* FindCastMemberInterface(const char* name);
    // The file name as this system's paths read ('\' means '/').
    std::string GetPath() const;
    // Writes the debugger line that names the file and the problem; false.
    bool FailLoad(const std::string& problem) const;
    // False (with the debugger line) unless the file exists and is a file.
    bool CheckFile() const;

  private:
    String m_strFileName;
};
