#include "commands/AcceleratorManagerStdImpl.h"

#include "framework/InterfaceQuery.h"
#include "framework/SingleInstancePluginClass.h"
#include "platform/Accelerator.h"
#include "platform/CWnd.h"

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(AcceleratorManagerStdImpl)

void* AcceleratorManagerStdImpl::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("AcceleratorManager", static_cast<AcceleratorManager*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("AcceleratorManagerStdImpl", this)
        .Result();
}

void AcceleratorManagerStdImpl::AddAcceleratorTable(const ACCEL* entries, int count) {
    m_tables.Add(Pointer<AcceleratorTable>(new AcceleratorTable(entries, count)));
}

bool AcceleratorManagerStdImpl::TranslateAccelerator(MSG* message) {
    for (std::int32_t i = 0; i < m_tables.GetCount(); ++i) {
        // Held while its command runs, which may shut the manager down.
        Pointer<AcceleratorTable> table = m_tables[i];
        // A table that Windows failed to create stays listed and is skipped.
        if (!table || !table->GetHandle())
            continue;
        CWnd* pMainWnd = AfxGetMainWnd();
        if (TranslateAcceleratorA(pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr, table->GetHandle(),
                                  message))
            return true;
    }
    return false;
}

void AcceleratorManagerStdImpl::Shutdown() {
    m_tables.RemoveAllItems();
}
