#pragma once

// The module's exported entry points; everything else is hidden.
#define QUENDA_EXPORT __attribute__((visibility("default")))

class MDIChildWnd;

extern "C" {
QUENDA_EXPORT const char* GetAuthoringPluginList();
QUENDA_EXPORT void RegisterMDIChildWindow(MDIChildWnd* window);
QUENDA_EXPORT void UnregisterMDIChildWindow(MDIChildWnd* window);
QUENDA_EXPORT void UpdateAllMDIChildWindows();
}
