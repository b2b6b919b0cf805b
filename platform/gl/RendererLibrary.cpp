#include "platform/gl/RendererLibrary.h"

#include "platform/gl/RendererEntries.h"

#include <dlfcn.h>

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

enum class State { Closed, Opening, Open, Failed };

struct Renderer {
    std::mutex mutex;
    std::condition_variable settled;
    State state = State::Closed;
    std::vector<void*> handles;
    std::string error;
};

// Never destroyed: exit handlers may still draw.
Renderer& TheRenderer() {
    static auto* pRenderer = new Renderer;
    return *pRenderer;
}

// Opens the libraries in order, so that a function is found in the first
// that has it; a library's functions resolve through the forwarding table.
State Open(std::vector<void*>& handles, std::string& error) {
    for (std::size_t i = 0; i < RendererEntries::kLibraryCount; ++i) {
        void* handle = dlopen(RendererEntries::kLibraries[i], RTLD_LAZY | RTLD_LOCAL);
        if (!handle) {
            const char* reason = dlerror();
            error = reason ? reason : RendererEntries::kLibraries[i];
            return State::Failed;
        }
        handles.push_back(handle);
    }
    return State::Open;
}

} // namespace

// The forwarding table (RendererEntries.cpp.in).
extern "C" __attribute__((visibility("hidden"))) void* corvane_renderer_entries[];

// Called by the forwarding binder on a function's first call: without the
// renderer's function nothing can be drawn, so the program ends there.
extern "C" __attribute__((visibility("hidden"))) void*
corvane_renderer_bind_entry(std::uint32_t index) {
    const char* name = RendererEntries::kNames[index];
    void* address = RendererLibrary::Find(name);
    if (!address) {
        if (RendererLibrary::Load())
            std::fprintf(stderr, "corvane: the renderer has no function %s\n", name);
        else
            std::fprintf(stderr, "corvane: unable to open the renderer: %s\n",
                         RendererLibrary::GetError().c_str());
        std::_Exit(127);
    }
    __atomic_store_n(&corvane_renderer_entries[index], address, __ATOMIC_RELEASE);
    return address;
}

bool RendererLibrary::Load() {
    Renderer& renderer = TheRenderer();
    std::unique_lock lock(renderer.mutex);
    if (renderer.state == State::Closed) {
        renderer.state = State::Opening;
        lock.unlock();
        std::vector<void*> handles;
        std::string error;
        const State state = Open(handles, error);
        lock.lock();
        renderer.handles = std::move(handles);
        renderer.error = std::move(error);
        renderer.state = state;
        renderer.settled.notify_all();
    }
    renderer.settled.wait(lock, [&renderer] { return renderer.state != State::Opening; });
    return renderer.state == State::Open;
}

std::string RendererLibrary::GetError() {
    Renderer& renderer = TheRenderer();
    const std::lock_guard lock(renderer.mutex);
    return renderer.error;
}

void* RendererLibrary::Find(const char* name) {
    if (!Load())
        return nullptr;
    // The handles no longer change once the renderer is open.
    for (void* handle : TheRenderer().handles)
        if (void* address = dlsym(handle, name))
            return address;
    return nullptr;
}
