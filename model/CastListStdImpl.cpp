#include "model/CastListStdImpl.h"

#include "host/CastMember.h"

#include "framework/InterfaceQuery.h"

void* CastListStdImpl::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("CastList", static_cast<CastList*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("CastListStdImpl", this)
        .Result();
}

void CastListStdImpl::AddCastMember(Pointer<CastMember> member) {
    if (member)
        m_members.push_back(std::move(member));
}

int CastListStdImpl::IndexOf(const CastMember* member) const {
    for (size_t i = 0; i < m_members.size(); ++i)
        if (m_members[i].Get() == member)
            return static_cast<int>(i);
    return -1;
}
