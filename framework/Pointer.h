#pragma once

#include "framework/BaseObject.h"

#include <cstddef>
#include <utility>

// Intrusive reference-counting handle. A copy adds a reference, dropping one
// releases it; wrapping a raw pointer (for example an interface pointer from
// FindInterface) adds a reference too.
template <class T> class Pointer {
  public:
    Pointer() = default;
    Pointer(std::nullptr_t) {}
    Pointer(T* object) : m_pObject(object) { Acquire(); }
    Pointer(const Pointer& other) : m_pObject(other.m_pObject) { Acquire(); }
    Pointer(Pointer&& other) noexcept : m_pObject(std::exchange(other.m_pObject, nullptr)) {}
    template <class U> Pointer(const Pointer<U>& other) : m_pObject(other.Get()) { Acquire(); }
    ~Pointer() { Drop(); }

    Pointer& operator=(Pointer other) noexcept {
        std::swap(m_pObject, other.m_pObject);
        return *this;
    }

    // Asks the object for another of its interfaces; empty when it has none.
    template <class U> Pointer<U> As(const char* interfaceName) const {
        if (!m_pObject)
            return {};
        return Pointer<U>(static_cast<U*>(Base()->FindInterface(interfaceName)));
    }

    T* Get() const { return m_pObject; }
    T* operator->() const { return m_pObject; }
    T& operator*() const { return *m_pObject; }
    explicit operator bool() const { return m_pObject != nullptr; }
    bool operator==(const Pointer& other) const { return Base() == other.Base(); }
    void Reset() { Pointer().swap(*this); }
    void swap(Pointer& other) noexcept { std::swap(m_pObject, other.m_pObject); }

  private:
    BaseObject* Base() const { return m_pObject ? static_cast<BaseObject*>(m_pObject) : nullptr; }
    void Acquire() {
        if (m_pObject)
            Base()->AddRef();
    }
    void Drop() {
        if (m_pObject)
            std::exchange(m_pObject, nullptr)->Release();
    }

    T* m_pObject = nullptr;
};
