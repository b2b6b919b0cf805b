#pragma once

#include "model/PropertyChangeListener.h"

#include "host/PropertyHolder.h"
#include "host/PropertyHolderForKeyFrame.h"

#include <memory>
#include <vector>

// One group of a key frame's properties. Each value is the change the key
// frame makes relative to the key frame before it (the first key frame's
// relative to the instance itself), shown and edited as text.
class KeyFramePropertyHolder final : public PropertyHolder, public PropertyHolderForKeyFrame {
  public:
    using Names = std::shared_ptr<const std::vector<String>>;

    // A holder of no changes. Its changes share its block of memory: a
    // project holds tens of thousands of key frames.
    static Pointer<KeyFramePropertyHolder> Create(String holderName, Names names);
    // Frees the block that Create made.
    static void operator delete(void* block) { ::operator delete(block); }
    KeyFramePropertyHolder(const KeyFramePropertyHolder&) = delete;
    KeyFramePropertyHolder& operator=(const KeyFramePropertyHolder&) = delete;

    const RTTIClass* GetClass() const override;
    void* FindInterface(const char* name) override;

    bool GetPropertyValue(const String& name, String& out) override;
    bool SetPropertyValue(const String& name, const String& value) override;
    bool HasProperty(const String& name) override;
    String GetHolderName() override;
    // Key frames change only the properties their instance animates.
    void AddProperty(const String& name, const String& value) override;
    StringList GetPropertyNames() override;

    double GetChange(const String& name) override;
    void SetChange(const String& name, double change) override;
    // The names whose change is not 0.
    StringList GetChangedNames() override;
    void OnPreviousRemoved(Pointer<PropertyHolder> previous) override;

    // The changes by place, in the order of the names.
    size_t GetSize() const { return m_nSize; }
    double GetChangeAt(size_t index) const { return m_changes[index]; }
    void SetChangeAt(size_t index, double change);

    // The instance that wants to hear about changed values; null for none.
    // It detaches itself before it goes, since its key frames may outlive it.
    void SetListener(PropertyChangeListener* listener) { m_pListener = listener; }

  private:
    KeyFramePropertyHolder(String holderName, Names names);

    double* Find(const String& name);
    void Notify(const String& name);

    String m_strHolderName;
    Names m_pNames;
    size_t m_nSize;
    double* m_changes; // one per name, just after the holder
    PropertyChangeListener* m_pListener = nullptr;
};
