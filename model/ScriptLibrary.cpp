#include "model/ScriptLibrary.h"

#include "model/PropertyText.h"

#include "host/HasProperties.h"
#include "host/Instance.h"

#include "framework/Debugger.h"
#include "framework/RTTIClass.h"

#include <lua.hpp>

#include <climits>
#include <string>

// Lua reports errors with longjmp, which skips C++ destructors: every function
// below takes its Lua arguments first and raises errors only when no C++
// object of its own is alive.
namespace ScriptLibrary {

namespace {
const char* const kInstanceType = "Corvane.Instance";

Instance* CheckInstance(lua_State* state, int index) {
    Instance* instance = *static_cast<Instance**>(luaL_checkudata(state, index, kInstanceType));
    luaL_argcheck(state, instance != nullptr, index, "instance already released");
    return instance;
}

ScriptHost* Host(lua_State* state) {
    return static_cast<ScriptHost*>(lua_touserdata(state, lua_upvalueindex(1)));
}

int ToFrame(lua_Integer value) {
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

// Reads a property; false when the instance has none of that name.
bool ReadProperty(Instance* instance, const char* name, std::string& value) {
    auto properties = Pointer<Instance>(instance).As<HasProperties>("HasProperties");
    String text;
    if (!properties || !properties->GetPropertyValue(name, text))
        return false;
    value = text.str();
    return true;
}

bool WriteProperty(Instance* instance, const char* name, const std::string& value) {
    auto properties = Pointer<Instance>(instance).As<HasProperties>("HasProperties");
    return properties && properties->SetPropertyValue(name, String(value));
}

int Get(lua_State* state) {
    Instance* instance = CheckInstance(state, 1);
    const char* name = luaL_checkstring(state, 2);
    std::string value;
    if (!ReadProperty(instance, name, value))
        lua_pushnil(state);
    else
        lua_pushlstring(state, value.data(), value.size());
    return 1;
}

int Set(lua_State* state) {
    Instance* instance = CheckInstance(state, 1);
    const char* name = luaL_checkstring(state, 2);
    int type = lua_type(state, 3);
    if (type != LUA_TNUMBER && type != LUA_TSTRING)
        return luaL_typeerror(state, 3, "string or number");
    bool integer = lua_isinteger(state, 3);
    lua_Integer whole = integer ? lua_tointeger(state, 3) : 0;
    lua_Number number = type == LUA_TNUMBER ? lua_tonumber(state, 3) : 0;
    size_t length = 0;
    const char* text = type == LUA_TSTRING ? lua_tolstring(state, 3, &length) : nullptr;
    bool stored = false;
    {
        std::string value = text      ? std::string(text, length)
                            : integer ? std::to_string(whole)
                                      : PropertyText::FromNumber(number).str();
        stored = WriteProperty(instance, name, value);
    }
    lua_pushboolean(state, stored);
    return 1;
}

int ClassName(lua_State* state) {
    Instance* instance = CheckInstance(state, 1);
    lua_pushstring(state, instance->GetClass()->GetName().c_str());
    return 1;
}

int Collect(lua_State* state) {
    auto** slot = static_cast<Instance**>(luaL_checkudata(state, 1, kInstanceType));
    if (*slot)
        std::exchange(*slot, nullptr)->Release();
    return 0;
}

int Equal(lua_State* state) {
    lua_pushboolean(state, CheckInstance(state, 1) == CheckInstance(state, 2));
    return 1;
}

int Frame(lua_State* state) {
    lua_pushinteger(state, Host(state)->GetCurrentFrame());
    return 1;
}

int Go(lua_State* state) {
    int frame = ToFrame(luaL_checkinteger(state, 1));
    Host(state)->GoToFrame(frame);
    return 0;
}

int Stop(lua_State* state) {
    Host(state)->StopPlaying();
    return 0;
}

int Instances(lua_State* state) {
    int row = ToFrame(luaL_checkinteger(state, 1));
    ScriptHost* host = Host(state);
    InstanceList found = host->GetInstancesAt(row, host->GetCurrentFrame());
    lua_createtable(state, static_cast<int>(found.size()), 0);
    for (size_t i = 0; i < found.size(); ++i) {
        PushInstance(state, found[i]);
        lua_rawseti(state, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

int Print(lua_State* state) {
    int count = lua_gettop(state);
    luaL_Buffer line;
    luaL_buffinit(state, &line);
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            luaL_addchar(&line, '\t');
        luaL_tolstring(state, i, nullptr);
        luaL_addvalue(&line);
    }
    luaL_pushresult(&line);
    TVK::GetDebugger()->Print("%s\n", lua_tostring(state, -1));
    return 0;
}

void OpenTable(lua_State* state, ScriptHost* host, const char* name, const luaL_Reg* functions) {
    lua_newtable(state);
    lua_pushlightuserdata(state, host);
    luaL_setfuncs(state, functions, 1);
    lua_setglobal(state, name);
}
} // namespace

void Open(lua_State* state, ScriptHost* host) {
    static const luaL_Reg methods[] = {
        {"get", Get}, {"set", Set}, {"class", ClassName}, {nullptr, nullptr}};
    luaL_newmetatable(state, kInstanceType);
    lua_newtable(state);
    luaL_setfuncs(state, methods, 0);
    lua_setfield(state, -2, "__index");
    lua_pushcfunction(state, Collect);
    lua_setfield(state, -2, "__gc");
    lua_pushcfunction(state, Equal);
    lua_setfield(state, -2, "__eq");
    lua_pop(state, 1);

    static const luaL_Reg player[] = {
        {"frame", Frame}, {"go", Go}, {"stop", Stop}, {nullptr, nullptr}};
    OpenTable(state, host, "player", player);
    static const luaL_Reg timeline[] = {{"instances", Instances}, {nullptr, nullptr}};
    OpenTable(state, host, "timeline", timeline);
    lua_register(state, "print", Print);
}

void PushInstance(lua_State* state, const Pointer<Instance>& instance) {
    if (!instance) {
        lua_pushnil(state);
        return;
    }
    auto* slot = static_cast<Instance**>(lua_newuserdatauv(state, sizeof(Instance*), 0));
    *slot = instance.Get();
    instance->AddRef();
    luaL_setmetatable(state, kInstanceType);
}

} // namespace ScriptLibrary
