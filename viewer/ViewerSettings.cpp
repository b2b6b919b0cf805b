#include "viewer/ViewerSettings.h"

#include "viewer/ViewerError.h"

#include <charconv>
#include <fstream>

namespace {

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

ViewerSettings ViewerSettings::Load(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw ViewerError("its settings file \"" + path + "\" is missing");
    ViewerSettings settings;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = Trim(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        size_t equals = line.find('=');
        std::string where = "its settings file \"" + path + "\", line " + std::to_string(number);
        if (equals == std::string::npos)
            throw ViewerError(where + ", is not \"key = value\"");
        std::string key = Trim(line.substr(0, equals));
        std::string value = Trim(line.substr(equals + 1));
        int* target = key == "viewer.width"    ? &settings.nWidth
                      : key == "viewer.height" ? &settings.nHeight
                                               : nullptr;
        if (!target)
            continue;
        int pixels = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), pixels);
        if (error != std::errc() || end != value.data() + value.size() || pixels < 1 ||
            pixels > 16384)
            throw ViewerError(where + ": " + key + " must be a whole number from 1 to 16384");
        *target = pixels;
    }
    return settings;
}
