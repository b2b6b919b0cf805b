#include "core/ModuleExports.h"

// Each name is followed by a line feed, the last one included; the host
// creates the classes in this order.
static const char s_szPluginList[] = "DeleteHandler\n"
                                     "AuthoringScriptExceptionHandler\n"
                                     "MDIChildUpdater\n"
                                     "ControlMenuHandler\n"
                                     "AddKeyFrameHandler\n"
                                     "MoveInstances\n"
                                     "CastMemberToInstance\n"
                                     "QuendaInterfaces\n"
                                     "TransformObjectHandler\n"
                                     "TransformViewHandler\n"
                                     "FileMenuHandler\n"
                                     "InsertMenuHandler\n"
                                     "ViewMenuHandler\n"
                                     "MenuManagerStdImpl\n"
                                     "AcceleratorManagerStdImpl\n";

extern "C" QUENDA_EXPORT const char* GetAuthoringPluginList() {
    return s_szPluginList;
}
