#include "views/Semaphore.h"

Semaphore::Semaphore(int initialCount, int maximumCount)
    : m_nCount(initialCount), m_nMaximum(maximumCount) {}

void Semaphore::Wait() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_available.wait(lock, [this] { return m_nCount > 0; });
    --m_nCount;
}

bool Semaphore::Release() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_nCount >= m_nMaximum)
            return false;
        ++m_nCount;
    }
    m_available.notify_one();
    return true;
}

int Semaphore::GetCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nCount;
}
