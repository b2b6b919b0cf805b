#pragma once

#include "platform/DialogItemTemplate.h"
#include "platform/WinTypes.h"

#include <string>
#include <vector>

// A dialog resource: what a .rc DIALOG statement says, in dialog units.
struct DialogTemplate {
    std::string caption;
    int cx, cy;
    DWORD style;
    std::vector<DialogItemTemplate> items;
};

// The dialog resources of the process, by identifier; registering an
// identifier again replaces its template.
void RegisterDialogTemplate(UINT nIDTemplate, DialogTemplate dialogTemplate);
const DialogTemplate* FindDialogTemplate(UINT nIDTemplate);

// Dialog units of the dialog font ("MS Sans Serif" 8 point: 6 x 13 pixel base
// units) to pixels.
int DialogUnitsToPixelsX(int x);
int DialogUnitsToPixelsY(int y);
