#pragma once

#include "platform/WinTypes.h"

class QIcon;

// The icon resources of the process, by identifier, as XPM images: a
// library registers its icons when it is loaded, as a Windows module carries
// them in its resources. Registering an identifier again replaces its image.
void RegisterIconResource(UINT nIDResource, const char* const* xpm);
// The icon, or a null icon when none is registered. Needs a QApplication.
QIcon LoadIconResource(UINT nIDResource);
