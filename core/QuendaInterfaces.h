#pragma once

#include "core/GrowableArray.h"

#include "framework/PluginClass.h"
#include "framework/StaticInstancePlugin.h"
#include "host/RedirectInterfaces.h"

// Files every class record the host knows under the interfaces its class
// supports, so that the module can create input handlers, cast members and
// instances of classes it does not know by name.
class QuendaInterfaces : public StaticInstancePlugin, public RedirectInterfaces {
  public:
    CORVANE_DECLARE_CLASS();

    void* FindInterface(const char* name) override;

    void Initialize() override;
    void Shutdown() override;
    StringList GetRequiredInterfaces() override { return {}; }

    void AddClass(const RTTIClass* record) override;

    const GrowableArray<const RTTIClass*>& GetInputHandlerClasses() const {
        return m_inputHandlers;
    }
    const GrowableArray<const RTTIClass*>& GetCastMemberClasses() const { return m_castMembers; }
    const GrowableArray<const RTTIClass*>& GetInstanceClasses() const { return m_instances; }

  private:
    GrowableArray<const RTTIClass*> m_inputHandlers;
    GrowableArray<const RTTIClass*> m_castMembers;
    GrowableArray<const RTTIClass*> m_instances;
};

// The running instance, set between Initialize and Shutdown; null otherwise.
QuendaInterfaces* GetQuendaInterfaces();
