#include "res/FrameIcons.h"

#include "platform/IconResource.h"

#include "res/CastListFrame.xpm"
#include "res/SceneViewFrame.xpm"
#include "res/TimeLineFrame.xpm"

namespace {

// Registered when the module is loaded, as its resources come with it.
const bool g_bIconsRegistered = [] {
    RegisterIconResource(IDR_OGLFRAME, SceneViewFrame_xpm);
    RegisterIconResource(IDR_CASTLISTFRAME, CastListFrame_xpm);
    RegisterIconResource(IDR_TIMELINEFRAME, TimeLineFrame_xpm);
    return true;
}();

} // namespace
