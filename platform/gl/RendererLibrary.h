#pragma once

#include <string>

// The renderer, OSMesa with GLU, opened when first needed rather than with
// the program: opening it (mostly relocating and initialising LLVM) was a
// quarter of start-up, which a thread of its own now overlaps
// (RendererWarmUp). The graphics library exports every function the
// renderer's libraries do; each forwards to the renderer's own, found on its
// first call, which waits until the renderer is open.
class RendererLibrary {
  public:
    // Opens the renderer in this thread, or waits while another opens it.
    // False when it cannot be opened.
    static bool Load();
    // Why the renderer could not be opened.
    static std::string GetError();
    // The renderer's function called name, opening the renderer first; null
    // when there is none.
    static void* Find(const char* name);
};
