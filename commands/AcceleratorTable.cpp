#include "commands/AcceleratorTable.h"

#include "platform/Accelerator.h"

AcceleratorTable::AcceleratorTable(const ACCEL* entries, int count)
    : m_hAccel(CreateAcceleratorTableA(entries, count)) {}

AcceleratorTable::~AcceleratorTable() {
    if (m_hAccel) {
        DestroyAcceleratorTable(m_hAccel);
        m_hAccel = nullptr;
    }
}

// A plain record: it answers no interface, not even "BaseObject".
void* AcceleratorTable::FindInterface(const char*) {
    return nullptr;
}
