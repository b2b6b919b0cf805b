#pragma once

#include <QString>

#include <string_view>

// The text of a file as people write them: UTF-8 with or without a
// byte-order mark, UTF-16 with one (either byte order), and anything else as
// Windows-1252, the code page such files come from. Every byte sequence
// decodes to something.
class TextFileDecoder {
  public:
    static QString Decode(std::string_view bytes);
    // The Windows-1252 code of a character, '?' when the code page lacks it.
    static unsigned char ToWindows1252(char32_t character);
};
