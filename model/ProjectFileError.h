#pragma once

#include <stdexcept>
#include <string>

// What is wrong with a project file, in words for its author.
class ProjectFileError : public std::runtime_error {
  public:
    explicit ProjectFileError(const std::string& problem) : std::runtime_error(problem) {}
};
