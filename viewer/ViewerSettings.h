#pragma once

#include <string>

// The settings that the viewer reads from "platform.cfg" beside it: lines of
// "key = value", "#" starting a comment. Keys that are not the viewer's are
// left to the programs they belong to.
//   viewer.width, viewer.height   the size of the picture in pixels, 1 to 16384
struct ViewerSettings {
    int nWidth = 640;
    int nHeight = 480;

    // Throws ViewerError naming the file, and the line of a bad value.
    static ViewerSettings Load(const std::string& path);
};
