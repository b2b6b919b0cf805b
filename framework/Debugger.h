#pragma once

#include "framework/Pointer.h"

#include <string>
#include <vector>

// The framework's debug output: every line goes to standard error and is kept,
// so that a scripted session can show what was reported.
class Debugger : public virtual BaseObject {
  public:
    virtual void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    virtual void PrintError(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // The lines written so far, without their line feeds; an error line starts
    // with "Error: ".
    const std::vector<std::string>& GetLines() const { return m_lines; }
    void ClearLines() { m_lines.clear(); }

  private:
    void Write(const std::string& prefix, const std::string& text);

    std::vector<std::string> m_lines;
};

namespace TVK {
Pointer<Debugger> GetDebugger();
}
