#include "platform/gl/PreparedContexts.h"

#include <GL/osmesa.h>

#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

namespace {

struct Pool {
    std::mutex mutex;
    std::condition_variable finished;
    bool bPreparing = false;
    std::vector<std::pair<int, OSMesaContext>> contexts;
};

Pool& ThePool() {
    static Pool pool;
    return pool;
}

} // namespace

void PreparedContexts::Begin() {
    Pool& pool = ThePool();
    const std::lock_guard lock(pool.mutex);
    pool.bPreparing = true;
}

void PreparedContexts::Add(int nPixelFormat, OSMesaContext context) {
    Pool& pool = ThePool();
    const std::lock_guard lock(pool.mutex);
    pool.contexts.emplace_back(nPixelFormat, context);
}

void PreparedContexts::Finish() {
    Pool& pool = ThePool();
    const std::lock_guard lock(pool.mutex);
    pool.bPreparing = false;
    pool.finished.notify_all();
}

OSMesaContext PreparedContexts::Take(int nPixelFormat) {
    Pool& pool = ThePool();
    std::unique_lock lock(pool.mutex);
    pool.finished.wait(lock, [&pool] { return !pool.bPreparing; });
    for (auto it = pool.contexts.begin(); it != pool.contexts.end(); ++it) {
        if (it->first == nPixelFormat) {
            OSMesaContext context = it->second;
            pool.contexts.erase(it);
            return context;
        }
    }
    return nullptr;
}

void PreparedContexts::DestroyRest() {
    Pool& pool = ThePool();
    const std::lock_guard lock(pool.mutex);
    for (const auto& [nPixelFormat, context] : pool.contexts)
        OSMesaDestroyContext(context);
    pool.contexts.clear();
}
