#pragma once

#include <string>

// Reads the text file of a medium whole, refusing what is no UTF-8 or ASCII
// text; a UTF-8 byte order mark is dropped.
class MediaText {
  public:
    // False, with the reason in problem ("it is empty", ...), when the file
    // cannot be read or holds no text a reader can take.
    static bool Read(const std::string& path, std::string& text, std::string& problem);
};
