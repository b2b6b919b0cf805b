#pragma once

#include "model/PropertyChangeListener.h"

#include "host/PropertyHolder.h"

#include <memory>
#include <utility>
#include <vector>

// A named group of text properties, kept in the order they were added.
class TextPropertyHolder : public PropertyHolder {
  public:
    using Properties = std::vector<std::pair<String, String>>; // name, value
    using Names = std::shared_ptr<const std::vector<String>>;

    explicit TextPropertyHolder(String holderName, Properties properties = {});
    // One value per name. The names may be shared by many holders: they are
    // never changed while shared (a name added later gives this holder a
    // list of its own).
    TextPropertyHolder(String holderName, Names names, std::vector<String> values);

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
    Names m_pNames;
    std::vector<String> m_values; // one per name
    PropertyChangeListener* m_pListener = nullptr;
};
