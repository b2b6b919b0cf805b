#include "model/TextFileDecoder.h"

#include <QStringDecoder>

namespace {

// The characters of Windows-1252 codes 0x80 to 0x9F (0 where it has none);
// the other codes are Latin-1's.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool StartsWith(std::string_view bytes, std::string_view mark) {
    return bytes.substr(0, mark.size()) == mark;
}

QString Decoded(QStringConverter::Encoding encoding, std::string_view bytes) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        const char16_t special = code >= 0x80 && code < 0xA0 ? kWindows1252[code - 0x80] : 0;
        // The five codes without a character keep their byte's value.
        text.append(QChar(special ? special : char16_t(code)));
    }
    return text;
}

} // namespace

QString TextFileDecoder::Decode(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return Decoded(QStringConverter::Utf8, bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE"))
        return Decoded(QStringConverter::Utf16LE, bytes.substr(2));
    if (StartsWith(bytes, "\xFE\xFF"))
        return Decoded(QStringConverter::Utf16BE, bytes.substr(2));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? FromWindows1252(bytes) : text;
}

unsigned char TextFileDecoder::ToWindows1252(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (unsigned code = 0; code < 32; ++code)
        if (kWindows1252[code] != 0 && kWindows1252[code] == character)
            return static_cast<unsigned char>(0x80 + code);
    return '?';
}
