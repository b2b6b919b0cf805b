#pragma once

// The marks of a project file: what it says it is, and the newest layout this
// version writes and reads.
namespace ProjectFormat {
inline constexpr const char* kFormat = "Corvane project";
inline constexpr int kVersion = 1;
} // namespace ProjectFormat
