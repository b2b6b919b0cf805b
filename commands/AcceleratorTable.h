#pragma once

#include "framework/BaseObject.h"
#include "platform/WinTypes.h"

// One handler's key bindings as a Windows accelerator table, which it owns.
class AcceleratorTable : public virtual BaseObject {
  public:
    // Windows copies the entries, so they may be a temporary array.
    AcceleratorTable(const ACCEL* entries, int count);
    ~AcceleratorTable() override;
    AcceleratorTable(const AcceleratorTable&) = delete;
    AcceleratorTable& operator=(const AcceleratorTable&) = delete;

    void* FindInterface(const char* name) override;

    // Null when Windows could not create the table.
    HACCEL GetHandle() const { return m_hAccel; }

  private:
    HACCEL m_hAccel;
};
