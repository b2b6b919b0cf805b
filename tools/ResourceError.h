#pragma once

#include <stdexcept>
#include <string>

// A problem with compiled resources or with what goes into them; the text
// names the file and what is wrong with it.
class ResourceError : public std::runtime_error {
  public:
    explicit ResourceError(const std::string& what) : std::runtime_error(what) {}
};
