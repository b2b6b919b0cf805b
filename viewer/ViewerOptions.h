#pragma once

#include <optional>
#include <string>

// Viewer [--offscreen] [--frames N] [--screenshot FILE]
struct ViewerOptions {
    // Qt's "offscreen" platform: no display needed.
    bool bOffscreen = false;
    bool bHelp = false;
    // Play this many frames as fast as they can be made, then end; without it
    // the viewer plays in real time until its window is closed.
    std::optional<int> frames;
    // Where the picture is written once the frames are played.
    std::optional<std::string> screenshot;

    // Throws std::invalid_argument naming the argument that is wrong.
    static ViewerOptions Parse(int argc, const char* const* argv);
    static const char* Usage();
};
