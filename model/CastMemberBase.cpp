#include "model/CastMemberBase.h"

#include "framework/Debugger.h"
#include "framework/InterfaceQuery.h"

#include <algorithm>
#include <filesystem>

void CastMemberBase::SetFileName(Pointer<BaseObject>, const String& fileName) {
    m_strFileName = fileName;
}

String CastMemberBase::GetFileName() {
    return m_strFileName;
}

String CastMemberBase::GetName() {
    return String(std::filesystem::path(GetPath()).filename().string());
}

void* CastMemberBase::FindCastMemberInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("CastMember", static_cast<CastMember*>(this))
        .Result();
}

std::string CastMemberBase::GetPath() const {
    std::string path = m_strFileName.str();
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool CastMemberBase::FailLoad(const std::string& problem) const {
    TVK::GetDebugger()->PrintError("Unable to load the cast member \"%s\": %s\n",
                                   m_strFileName.c_str(), problem.c_str());
    return false;
}

bool CastMemberBase::CheckFile() const {
    std::error_code error;
    auto status = std::filesystem::status(GetPath(), error);
    if (!std::filesystem::exists(status))
        return FailLoad("there is no such file");
    if (!std::filesystem::is_regular_file(status))
        return FailLoad("it is not a file");
    return true;
}
