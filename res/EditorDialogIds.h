#pragma once

#include "platform/WinTypes.h"

// The property and script editor dialogs and their controls.
inline constexpr UINT IDD_PROPERTY_EDITOR = 106;
inline constexpr UINT IDD_SCRIPT_EDITOR = 107;
inline constexpr int IDC_PROPERTY_LIST = 1001;
inline constexpr int IDC_PROPERTY_VALUE = 1002;
inline constexpr int IDC_SCRIPTS = 1003;
inline constexpr int IDC_SCRIPT_NAMES = 1004;
inline constexpr int IDC_SCRIPT_TEXT = 1005;
inline constexpr int IDC_STATIC = -1;
