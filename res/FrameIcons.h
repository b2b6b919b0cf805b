#pragma once

#include "platform/WinTypes.h"

// The frame resources of the module's windows: each names the icon its
// frame shows.
inline constexpr UINT IDR_OGLFRAME = 103;
inline constexpr UINT IDR_CASTLISTFRAME = 104;
inline constexpr UINT IDR_TIMELINEFRAME = 105;
