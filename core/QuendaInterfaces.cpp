#include "core/QuendaInterfaces.h"

#include "framework/InterfaceQuery.h"
#include "framework/SingleInstancePluginClass.h"

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(QuendaInterfaces)

namespace {
QuendaInterfaces* s_pRunningInstance = nullptr;
}

QuendaInterfaces* GetQuendaInterfaces() {
    return s_pRunningInstance;
}

void* QuendaInterfaces::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("RedirectInterfaces", static_cast<RedirectInterfaces*>(this))
        .Answer("QuendaInterfaces", this)
        .Result();
}

void QuendaInterfaces::Initialize() {
    s_pRunningInstance = this;
}

void QuendaInterfaces::Shutdown() {
    s_pRunningInstance = nullptr;
}

void QuendaInterfaces::AddClass(const RTTIClass* record) {
    RTTIClass::SupportsFunction supports = record->GetSupportsFunction();
    if (!supports)
        return;
    if (supports("InputEventHandler"))
        m_inputHandlers.Add(record);
    if (supports("CastMember"))
        m_castMembers.Add(record);
    if (supports("Instance"))
        m_instances.Add(record);
}
