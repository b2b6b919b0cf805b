#pragma once

#include <filesystem>
#include <string>

// Writes bytes to output through a temporary file beside it and a rename, so
// that a failed or interrupted tool never leaves half a file under the name
// that the next step of Generate EXE looks for. An executable output gets
// execute permission before it takes its name. Throws ResourceError naming
// the output when it cannot be written.
void WriteOutputFile(const std::filesystem::path& output, const std::string& bytes,
                     bool executable);
