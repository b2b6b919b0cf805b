#pragma once

#include "model/PropertyChangeListener.h"

#include "host/PropertyHolder.h"

#include <utility>
#include <vector>

// A named group of text properties, kept in the order they were added.
class TextPropertyHolder : public PropertyHolder {
  public:
    using Properties = std::vector<std::pair<String, String>>; // name, value

    explicit TextPropertyHolder(String holderName, Properties properties = {});

    const RTTIClass* GetClass() const override;
    void* FindInterface(const char* name) override;

    bool GetPropertyValue(const String& name, String& out) override;
    bool SetPropertyValue(const String& name, const String& value) override;
    bool HasProperty(const String& name) override;
    String GetHolderName() override;
    void AddProperty(const String& name, const String& value) override;
    StringList GetPropertyNames() override;

    // The owner that wants to hear about stored and added values; null for none. The
    // owner detaches itself before it goes, since the holder may outlive it.
    void SetListener(PropertyChangeListener* listener) { m_pListener = listener; }

  private:
    String* Find(const String& name);

    String m_strHolderName;
    Properties m_properties;
    PropertyChangeListener* m_pListener = nullptr;
};
