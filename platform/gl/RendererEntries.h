#pragma once

#include <cstddef>
#include <iterator>

// The renderer's libraries and the functions of theirs that the graphics
// library exports in their place, made by CMake from the libraries
// themselves (RendererEntries.cpp.in).
struct RendererEntries {
    // Sonames, in the order a function is looked for.
    static const char* const kLibraries[];
    static const std::size_t kLibraryCount;
    // Forwarding table entry i is for the function named kNames[i].
    static const char* const kNames[];
    static const std::size_t kCount;
};
