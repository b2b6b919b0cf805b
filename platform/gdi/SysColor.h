#pragma once

#include "platform/gdi/GdiDefs.h"

// The colour of a display element (COLOR_*), from one fixed classic palette so
// that pictures are the same on every machine; 0 for an unknown index.
COLORREF GetSysColor(int nIndex);
