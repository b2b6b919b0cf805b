#pragma once

#include <string>
#include <string_view>
#include <vector>

// Compiled resources: named blobs, written by the resource compiler into a
// ".res" file and attached by the linker to the end of the viewer program,
// where the viewer finds them again.
//
// A ".res" file: the 8 bytes "CVRES001", the entry count, then for each entry
// its name length, name, data length and data (lengths little-endian, 32 bits
// for counts and names, 64 for data). An executable with resources attached
// ends with the resources and a 32-byte trailer: their offset, their length,
// their FNV-1a hash (64 bits each) and the 8 bytes "CVVIEWER".
class ResourceFile {
  public:
    struct Entry {
        std::string name;
        std::string data;
    };

    static std::string Serialize(const std::vector<Entry>& entries);
    // Throws ResourceError saying what is wrong when the bytes are not a
    // complete ".res" file.
    static std::vector<Entry> Parse(std::string_view bytes);

    // The program followed by the resources and the trailer.
    static std::string Attach(std::string_view program, std::string_view resources);
    // The resources attached to an executable. Throws ResourceError when it
    // has none, or when they are cut short or changed.
    static std::string_view Attached(std::string_view executable);
};
