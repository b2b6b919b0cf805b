#pragma once

#include "model/ScriptHost.h"

#include "framework/Pointer.h"

struct lua_State;
class Instance;

// The functions scripts see besides Lua's own safe libraries:
//   self                      the instance whose script runs
//   instance:get(name)        a property as text, nil when there is none
//   instance:set(name, value) stores a string, or a number as text; false
//                             when there is no such property
//   instance:class()          the instance's class name
//   player.frame()            the current frame
//   player.go(frame)          moves the play head
//   player.stop()             stops playback
//   timeline.instances(row)   the row's instances alive at the current frame
//   print(...)                a line on the debugger output
namespace ScriptLibrary {

void Open(lua_State* state, ScriptHost* host);
void PushInstance(lua_State* state, const Pointer<Instance>& instance);

} // namespace ScriptLibrary
