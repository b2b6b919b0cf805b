#pragma once

#include "model/PropertyChangeListener.h"

#include "host/PropertyHolder.h"
#include "host/PropertyHolderScript.h"

#include <utility>
#include <vector>

// The scripts of a project object: Lua sources under fixed names. They are
// reached by the script editor through GetScriptNames and are not ordinary
// properties (GetPropertyNames leaves them out), so that the one-line value
// editor never flattens a script.
class ScriptPropertyHolder : public PropertyHolder, public PropertyHolderScript {
  public:
    ScriptPropertyHolder(String holderName, const StringList& scriptNames);

    const RTTIClass* GetClass() const override;
    void* FindInterface(const char* name) override;

    bool GetPropertyValue(const String& name, String& out) override;
    bool SetPropertyValue(const String& name, const String& value) override;
    bool HasProperty(const String& name) override;
    String GetHolderName() override;
    // Adds a script.
    void AddProperty(const String& name, const String& value) override;
    StringList GetPropertyNames() override;

    StringList GetScriptNames() override;

    // The owner that wants to hear about stored and added scripts; null for
    // none. The owner detaches itself before it goes.
    void SetListener(PropertyChangeListener* listener) { m_pListener = listener; }

  private:
    String* Find(const String& name);

    String m_strHolderName;
    std::vector<std::pair<String, String>> m_scripts;
    PropertyChangeListener* m_pListener = nullptr;
};
