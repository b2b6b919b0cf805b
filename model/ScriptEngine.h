#pragma once

#include "model/ScriptHost.h"

#include "host/PropertyHolderScript.h"

#include "framework/Pointer.h"
#include "framework/String.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

struct lua_State;
class Instance;

// Runs the project's Lua scripts in one shared, sandboxed state: no files, no
// processes, no modules, no binary chunks, no debug library. A script that
// runs past the time limit, or asks for more than the memory limit, is stopped
// with an error (and, having filled the memory, leaves a fresh state behind
// for the next script). Errors, at load or at run time, are reported to the shared
// object "StdScriptExceptionHandler" with the script's holder, name, message
// and line, or to the debugger when none is published.
class ScriptEngine {
  public:
    explicit ScriptEngine(ScriptHost& host);
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // Forgets everything scripts left behind (their globals).
    void Reset();
    void SetTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    // Runs one script with "self" bound to the instance; the error when it
    // failed, which the caller reports once it has made the project safe.
    std::optional<std::string> Run(const String& source, const Pointer<Instance>& self);
    // Tells the author (or the debugger) that a script of the holder failed.
    static void Report(const Pointer<PropertyHolderScript>& holder, const String& scriptName,
                       const std::string& error);

  private:
    static void* Allocate(void* engine, void* block, size_t oldSize, size_t newSize);
    static void OnCount(lua_State* state, struct lua_Debug* debug);

    ScriptHost& m_host;
    lua_State* m_pState = nullptr;
    std::chrono::milliseconds m_timeLimit{2000};
    std::chrono::steady_clock::time_point m_deadline;
    size_t m_nAllocated = 0;
};
