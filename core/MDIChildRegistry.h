#pragma once

#include "core/GrowableArray.h"

class MDIChildWnd;

// The open authoring windows, in registration order. Holds no references:
// a frame registers in its constructor and unregisters in its destructor.
GrowableArray<MDIChildWnd*>& GetMDIChildRegistry();
