#pragma once

#include "framework/String.h"

// The path of a file relative to the folder of the running executable; the
// folder itself (with its trailing '/') for an empty relative path.
String GetAppPath(const String& relative = String());
