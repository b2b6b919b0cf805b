#pragma once

#include "host/PropertyHolder.h"

#include <memory>
#include <vector>

// The model's own bookkeeping for an instance: how much of each animated value
// is due to key frames at the frame last applied. Marked "Type" = "Accum" so
// that no editor shows it; read-only through the PropertyHolder interface.
class AccumPropertyHolder : public PropertyHolder {
  public:
    explicit AccumPropertyHolder(std::shared_ptr<const std::vector<String>> names);

    const RTTIClass* GetClass() const override;
    void* FindInterface(const char* name) override;

    bool GetPropertyValue(const String& name, String& out) override;
    // Always false: only the owning instance changes the accumulation.
    bool SetPropertyValue(const String& name, const String& value) override;
    bool HasProperty(const String& name) override;
    String GetHolderName() override;
    // Ignored, for the same reason.
    void AddProperty(const String& name, const String& value) override;
    StringList GetPropertyNames() override;

    // By place among the animated names.
    double GetAccum(size_t index) const { return m_values[index]; }
    void SetAccum(size_t index, double value) { m_values[index] = value; }

  private:
    int IndexOf(const String& name) const;

    std::shared_ptr<const std::vector<String>> m_pNames;
    std::vector<double> m_values;
};
