#include "model/ScriptEngine.h"

#include "model/ScriptLibrary.h"

#include "host/Instance.h"
#include "host/ScriptExceptionHandler.h"

#include "framework/Debugger.h"
#include "framework/SharedObjects.h"

#include <lua.hpp>

#include <cstdlib>
#include <cstring>

namespace {
constexpr size_t kMemoryLimit = 64 * 1024 * 1024;
constexpr int kInstructionsPerCheck = 1000;
// Every script is loaded under this name, so that its errors read
// "script:LINE: message".
constexpr const char* kChunkName = "=script";
constexpr const char* kChunkPrefix = "script:";

// Lua's load, but for text only: binary chunks bypass the compiler's checks.
constexpr const char* kTextOnlyLoad = R"(
local load = load
return function(chunk, name, mode, ...)
    if select('#', ...) > 0 then return load(chunk, name, "t", ...) end
    return load(chunk, name, "t")
end)";

struct RunRequest {
    const Pointer<Instance>* self;
    const char* source;
    size_t length;
};

// Everything that may allocate runs under lua_pcall: an allocation refused at
// the memory limit is then an error of the script, never a panic.
int RunProtected(lua_State* state) {
    const auto* request = static_cast<const RunRequest*>(lua_touserdata(state, 1));
    ScriptLibrary::PushInstance(state, *request->self);
    lua_setglobal(state, "self");
    if (luaL_loadbufferx(state, request->source, request->length, kChunkName, "t") != LUA_OK)
        return lua_error(state);
    lua_call(state, 0, 0);
    return 0;
}

int ClearSelf(lua_State* state) {
    lua_pushnil(state);
    lua_setglobal(state, "self");
    return 0;
}

ScriptEngine*& EngineOf(lua_State* state) {
    return *static_cast<ScriptEngine**>(lua_getextraspace(state));
}

// Splits "script:12: message" into 12 and "message"; other errors keep their
// text and have no line.
int SplitLine(std::string& message) {
    size_t prefix = std::strlen(kChunkPrefix);
    if (message.compare(0, prefix, kChunkPrefix) != 0)
        return 0;
    size_t digits = prefix;
    while (digits < message.size() && message[digits] >= '0' && message[digits] <= '9')
        ++digits;
    if (digits == prefix || digits >= message.size() || message[digits] != ':')
        return 0;
    int line = std::atoi(message.c_str() + prefix);
    size_t text = digits + 1;
    if (text < message.size() && message[text] == ' ')
        ++text;
    message.erase(0, text);
    return line;
}
} // namespace

ScriptEngine::ScriptEngine(ScriptHost& host) : m_host(host) {
    Reset();
}

ScriptEngine::~ScriptEngine() {
    lua_close(m_pState);
}

void* ScriptEngine::Allocate(void* engine, void* block, size_t oldSize, size_t newSize) {
    auto* self = static_cast<ScriptEngine*>(engine);
    size_t old = block ? oldSize : 0;
    if (newSize == 0) {
        std::free(block);
        self->m_nAllocated -= old;
        return nullptr;
    }
    if (newSize > old && self->m_nAllocated - old + newSize > kMemoryLimit)
        return nullptr;
    void* grown = std::realloc(block, newSize);
    if (grown)
        self->m_nAllocated = self->m_nAllocated - old + newSize;
    return grown;
}

void ScriptEngine::OnCount(lua_State* state, lua_Debug* debug) {
    ScriptEngine* self = EngineOf(state);
    if (std::chrono::steady_clock::now() < self->m_deadline)
        return;
    // From now on every instruction fails, so that a script cannot catch the
    // error with pcall and carry on.
    lua_sethook(state, OnCount, LUA_MASKCOUNT, 1);
    lua_getinfo(state, "Sl", debug);
    lua_pushfstring(state, "%s:%d: the script ran longer than %d ms and was stopped",
                    debug->short_src, debug->currentline,
                    static_cast<int>(self->m_timeLimit.count()));
    lua_error(state);
}

void ScriptEngine::Reset() {
    if (m_pState)
        lua_close(m_pState);
    m_nAllocated = 0;
    lua_State* state = lua_newstate(Allocate, this);
    m_pState = state;
    EngineOf(state) = this;
    static const luaL_Reg libraries[] = {
        {LUA_GNAME, luaopen_base},        {LUA_TABLIBNAME, luaopen_table},
        {LUA_STRLIBNAME, luaopen_string}, {LUA_MATHLIBNAME, luaopen_math},
        {LUA_UTF8LIBNAME, luaopen_utf8},  {LUA_COLIBNAME, luaopen_coroutine}};
    for (const auto& library : libraries) {
        luaL_requiref(state, library.name, library.func, 1);
        lua_pop(state, 1);
    }
    for (const char* unsafe : {"dofile", "loadfile"}) {
        lua_pushnil(state);
        lua_setglobal(state, unsafe);
    }
    lua_getglobal(state, LUA_STRLIBNAME);
    lua_pushnil(state);
    lua_setfield(state, -2, "dump");
    lua_pop(state, 1);
    if (luaL_dostring(state, kTextOnlyLoad) == LUA_OK)
        lua_setglobal(state, "load");
    lua_settop(state, 0);
    ScriptLibrary::Open(state, &m_host);
}

std::optional<std::string> ScriptEngine::Run(const String& source, const Pointer<Instance>& self) {
    lua_State* state = m_pState;
    lua_settop(state, 0);
    RunRequest request{&self, source.c_str(), static_cast<size_t>(source.GetLength())};
    m_deadline = std::chrono::steady_clock::now() + m_timeLimit;
    lua_sethook(state, OnCount, LUA_MASKCOUNT, kInstructionsPerCheck);
    lua_pushcfunction(state, RunProtected);
    lua_pushlightuserdata(state, &request);
    int status = lua_pcall(state, 1, 0, 0);
    lua_sethook(state, nullptr, 0, 0);
    std::optional<std::string> error;
    if (status != LUA_OK)
        error = lua_type(state, -1) == LUA_TSTRING
                    ? lua_tostring(state, -1)
                    : std::string("error object is a ") + luaL_typename(state, -1) + " value";
    lua_settop(state, 0);
    // A script that filled the memory leaves nothing to run the next one in.
    if (status == LUA_ERRMEM) {
        Reset();
        return error;
    }
    lua_pushcfunction(state, ClearSelf);
    lua_pcall(state, 0, 0, 0);
    lua_settop(state, 0);
    return error;
}

void ScriptEngine::Report(const Pointer<PropertyHolderScript>& holder, const String& scriptName,
                          const std::string& error) {
    std::string text = error;
    int line = SplitLine(text);
    std::string message = "Script \"" + scriptName.str() + "\"" +
                          (line > 0 ? ", line " + std::to_string(line) : std::string()) + ": " +
                          text;
    auto shared = GetSharedObjects()->GetObjectA("StdScriptExceptionHandler");
    if (auto handler = shared.As<ScriptExceptionHandler>("ScriptExceptionHandler")) {
        handler->ReportScriptException(holder, scriptName, String(message), line);
        return;
    }
    TVK::GetDebugger()->PrintError("%s\n", message.c_str());
}
