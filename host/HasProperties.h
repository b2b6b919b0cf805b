#pragma once

#include "host/PropertyHolder.h"

#include "framework/Pointer.h"

#include <vector>

using PropertyHolderList = std::vector<Pointer<PropertyHolder>>;

// "HasProperties": an object whose properties live in an ordered list of
// holders. The operations are plain (non-virtual) and inline, so that callers
// need only this header.
class HasProperties : public virtual BaseObject {
  public:
    // The value from the first holder that has the property.
    bool GetPropertyValue(const String& name, String& out) {
        for (auto& holder : m_holders)
            if (holder->GetPropertyValue(name, out))
                return true;
        return false;
    }
    // Stores into the first holder that has the property.
    bool SetPropertyValue(const String& name, const String& value) {
        for (auto& holder : m_holders)
            if (holder->SetPropertyValue(name, value))
                return true;
        return false;
    }
    const PropertyHolderList& GetHolders() const { return m_holders; }

  protected:
    PropertyHolderList m_holders;
};
