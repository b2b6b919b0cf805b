#pragma once

#include "platform/WinTypes.h"

#include <string>

// One control of a dialog resource, in dialog units. Control classes are the
// Windows ones: "BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX". Control
// styles are complete, as the resource compiler writes them: a control without
// WS_VISIBLE is hidden, one with WS_DISABLED disabled.
struct DialogItemTemplate {
    std::string className;
    std::string text;
    int id;
    int x, y, cx, cy;
    DWORD style;
};
