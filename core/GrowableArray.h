#pragma once

#include <cstdint>
#include <memory>
#include <utility>

// The module's container: storage of exactly its count, never spare slots.
// Adding fills the first empty (null) slot, else grows by exactly one slot and
// appends. T is a raw pointer or a Pointer<>; an empty value is a free slot.
template <class T> class GrowableArray {
  public:
    GrowableArray() = default;
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;

    void Add(T item) {
        for (std::int32_t i = 0; i < m_nCount; ++i)
            if (!m_pItems[i]) {
                m_pItems[i] = std::move(item);
                return;
            }
        Reallocate(m_nCount + 1, [&](T* storage) {
            for (std::int32_t i = 0; i < m_nCount; ++i)
                storage[i] = std::move(m_pItems[i]);
            storage[m_nCount] = std::move(item);
        });
    }

    // Removes every slot equal to item, keeping the order of the others. When
    // nothing matched, nothing is reallocated.
    void RemoveAll(const T& item) {
        std::int32_t kept = 0;
        for (std::int32_t i = 0; i < m_nCount; ++i)
            if (!(m_pItems[i] == item))
                ++kept;
        if (kept == m_nCount)
            return;
        Reallocate(kept, [&](T* storage) {
            std::int32_t next = 0;
            for (std::int32_t i = 0; i < m_nCount; ++i)
                if (!(m_pItems[i] == item))
                    storage[next++] = std::move(m_pItems[i]);
        });
    }

    // Size 0: every item is released and the storage freed.
    void RemoveAllItems() {
        m_pItems.reset();
        m_nCount = 0;
    }

    std::int32_t GetCount() const { return m_nCount; }
    T& operator[](std::int32_t index) { return m_pItems[index]; }
    const T& operator[](std::int32_t index) const { return m_pItems[index]; }
    // The storage itself: null exactly when the count is 0.
    const T* GetData() const { return m_pItems.get(); }

  private:
    template <class Fill> void Reallocate(std::int32_t count, Fill fill) {
        std::unique_ptr<T[]> storage(count > 0 ? new T[static_cast<size_t>(count)] : nullptr);
        fill(storage.get());
        m_pItems = std::move(storage);
        m_nCount = count;
    }

    std::unique_ptr<T[]> m_pItems;
    std::int32_t m_nCount = 0;
};
