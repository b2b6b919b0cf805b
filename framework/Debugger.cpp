#include "framework/Debugger.h"

#include <cstdarg>
#include <cstdio>
#include <iostream>

namespace {
std::string Format(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size <= 0)
        return {};
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(size));
    return text;
}
} // namespace

void Debugger::Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Write("", Format(format, args));
    va_end(args);
}

void Debugger::PrintError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Write("Error: ", Format(format, args));
    va_end(args);
}

// Text may arrive in pieces; a line is complete at its line feed. Text without
// a line feed is still shown as a line of its own so that nothing is lost.
void Debugger::Write(const std::string& prefix, const std::string& text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        m_lines.push_back(prefix + line);
        std::cerr << prefix << line << '\n';
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
}

Pointer<Debugger> TVK::GetDebugger() {
    static Debugger* debugger = [] {
        auto* object = new Debugger;
        object->AddRef(); // lives for the whole process
        return object;
    }();
    return Pointer<Debugger>(debugger);
}
