#pragma once

#include <stdexcept>
#include <string>

// Why the viewer cannot play: the text is shown to the person who started it.
class ViewerError : public std::runtime_error {
  public:
    explicit ViewerError(const std::string& what) : std::runtime_error(what) {}
};
