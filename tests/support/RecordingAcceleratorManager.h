#pragma once

#include "framework/InterfaceQuery.h"
#include "framework/SharedObject.h"
#include "host/AcceleratorManager.h"

#include <vector>

// Keeps the tables a handler hands over, entry by entry, so that tests can
// read the exact flags, keys and commands. Published under the manager's
// name after the real one, it is the one handlers find.
class RecordingAcceleratorManager : public AcceleratorManager, public SharedObject {
  public:
    void AddAcceleratorTable(const ACCEL* entries, int count) override {
        m_tables.emplace_back(entries, entries + count);
    }
    bool TranslateAccelerator(MSG*) override { return false; }
    String GetSharedName() override { return "KBAccel Manager"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("AcceleratorManager", static_cast<AcceleratorManager*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    std::vector<std::vector<ACCEL>> m_tables;
};

inline bool operator==(const ACCEL& a, const ACCEL& b) {
    return a.fVirt == b.fVirt && a.key == b.key && a.cmd == b.cmd;
}
