#pragma once

#include <condition_variable>
#include <mutex>

// A counting semaphore with a maximum count, as the window system's: Release
// never lets the count pass the maximum, it fails instead.
class Semaphore {
  public:
    Semaphore(int initialCount, int maximumCount);
    Semaphore(const Semaphore&) = delete;
    Semaphore& operator=(const Semaphore&) = delete;

    // Waits without time-out until the count is positive, then takes one.
    void Wait();
    // Gives one back; false (and no change) when the count is at its maximum.
    bool Release();
    int GetCount() const;

  private:
    mutable std::mutex m_mutex;
    std::condition_variable m_available;
    int m_nCount;
    int m_nMaximum;
};
