#include "viewer/ViewerOptions.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

ViewerOptions ViewerOptions::Parse(int argc, const char* const* argv) {
    ViewerOptions options;
    for (int index = 1; index < argc; ++index) {
        std::string_view argument = argv[index];
        auto value = [&]() -> std::string_view {
            if (index + 1 >= argc)
                throw std::invalid_argument(std::string(argument) + " needs a value");
            return argv[++index];
        };
        if (argument == "--offscreen") {
            options.bOffscreen = true;
        } else if (argument == "--help" || argument == "-h") {
            options.bHelp = true;
        } else if (argument == "--frames") {
            std::string_view text = value();
            int frames = -1;
            auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), frames);
            if (error != std::errc() || end != text.data() + text.size() || frames < 0)
                throw std::invalid_argument("--frames needs a number of frames, not " +
                                            std::string(text));
            options.frames = frames;
        } else if (argument == "--screenshot") {
            options.screenshot = std::string(value());
        } else {
            throw std::invalid_argument("unknown argument " + std::string(argument));
        }
    }
    if (options.screenshot && !options.frames)
        throw std::invalid_argument("--screenshot needs --frames");
    return options;
}

const char* ViewerOptions::Usage() {
    return "usage: viewer [--offscreen] [--frames N] [--screenshot FILE]\n"
           "  --offscreen        run without a display\n"
           "  --frames N         play N frames at once, then end\n"
           "  --screenshot FILE  then write the picture as PNG\n";
}
