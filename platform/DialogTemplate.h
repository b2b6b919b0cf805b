#pragma once

#include "platform/DialogItemTemplate.h"
#include "platform/WinTypes.h"

#include <string>
#include <vector>

// The FONT statement of a dialog resource: face name and point size.
struct DialogTemplateFont {
    std::string faceName;
    int nPointSize;
};

// A dialog resource: what a .rc DIALOG statement says, in dialog units of its
// font. A template that names no font has the usual dialog font.
struct DialogTemplate {
    std::string caption;
    int cx, cy;
    DWORD style;
    std::vector<DialogItemTemplate> items;
    DialogTemplateFont font = {"MS Sans Serif", 8};
};

// The dialog resources of the process, by identifier; registering an
// identifier again replaces its template.
void RegisterDialogTemplate(UINT nIDTemplate, DialogTemplate dialogTemplate);
const DialogTemplate* FindDialogTemplate(UINT nIDTemplate);
