#pragma once

#include "framework/Pointer.h"

class Instance;

// An instance's "FrameStart" or "FrameStop": its decimal text read with atoi,
// 0 when it is missing or not a number.
int ReadFrameProperty(const Pointer<Instance>& instance, const char* name);
