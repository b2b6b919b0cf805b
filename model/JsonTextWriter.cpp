#include "model/JsonTextWriter.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>

void JsonTextWriter::BeginObject() {
    BeginValue();
    m_text += '{';
    m_empty.push_back(true);
}

void JsonTextWriter::EndObject() {
    End('}');
}

void JsonTextWriter::BeginArray() {
    BeginValue();
    m_text += '[';
    m_empty.push_back(true);
}

void JsonTextWriter::EndArray() {
    End(']');
}

void JsonTextWriter::Name(std::string_view name) {
    BeginValue();
    AppendEscaped(name);
    m_text += ": ";
    m_bAfterName = true;
}

void JsonTextWriter::Text(std::string_view text) {
    BeginValue();
    AppendEscaped(text);
}

void JsonTextWriter::Integer(long long number) {
    BeginValue();
    std::array<char, 24> digits;
    auto end = std::to_chars(digits.begin(), digits.end(), number).ptr;
    m_text.append(digits.begin(), end);
}

void JsonTextWriter::Number(double number) {
    BeginValue();
    if (!std::isfinite(number)) {
        m_text += "null";
        return;
    }
    // The library's own shortest round-trip form ("1.0", "0.10000000149011612",
    // "1e+20"), so that a file reads the same whichever way it was written.
    std::array<char, 64> digits;
    char* end = nlohmann::detail::to_chars(digits.begin(), digits.end(), number);
    m_text.append(digits.begin(), end);
}

void JsonTextWriter::Raw(std::string_view value) {
    BeginValue();
    m_text += value;
}

std::string JsonTextWriter::Take() {
    m_empty.clear();
    m_bAfterName = false;
    return std::move(m_text);
}

void JsonTextWriter::BeginValue() {
    if (m_bAfterName) {
        m_bAfterName = false;
        return;
    }
    if (m_empty.empty())
        return;
    m_text += m_empty.back() ? "\n" : ",\n";
    m_empty.back() = false;
    Indent();
}

void JsonTextWriter::Indent() {
    m_text.append(2 * m_empty.size(), ' ');
}

void JsonTextWriter::End(char close) {
    bool empty = m_empty.back();
    m_empty.pop_back();
    if (!empty) {
        m_text += '\n';
        Indent();
    }
    m_text += close;
}

void JsonTextWriter::AppendEscaped(std::string_view text) {
    bool plain = true;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x80 || c == '"' || c == '\\') {
            plain = false;
            break;
        }
    }
    if (plain) {
        m_text += '"';
        m_text += text;
        m_text += '"';
        return;
    }
    // Escapes, and text that is not UTF-8 (saved with replacement characters
    // rather than not at all), exactly as the library writes them.
    m_text += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
