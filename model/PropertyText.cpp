#include "model/PropertyText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace PropertyText {

namespace {
const char* SkipBlanksAndPlus(const char* text) {
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
           *text == '\v')
        ++text;
    if (*text == '+' && text[1] != '-')
        ++text;
    return text;
}
} // namespace

double ToNumber(const String& text) {
    const char* begin = SkipBlanksAndPlus(text.c_str());
    const char* end = text.c_str() + text.GetLength();
    double value = 0;
    auto result = std::from_chars(begin, end, value, std::chars_format::general);
    // Infinities and NaN would poison every transform they reach.
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

int ToInteger(const String& text) {
    const char* begin = SkipBlanksAndPlus(text.c_str());
    const char* end = text.c_str() + text.GetLength();
    long long value = 0;
    auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range)
        return *begin == '-' ? INT32_MIN : INT32_MAX;
    if (result.ec != std::errc())
        return 0;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(value);
}

String FromNumber(double value) {
    if (!std::isfinite(value))
        value = 0;
    // Largest finite double in fixed notation: 309 digits, point, 6 decimals, sign.
    char buffer[330];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    std::string text(buffer, result.ptr);
    if (text == "-0.000000")
        text = "0.000000";
    return String(std::move(text));
}

String FromInteger(int value) {
    return String(std::to_string(value));
}

} // namespace PropertyText
