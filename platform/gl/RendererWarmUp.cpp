#include "platform/gl/RendererWarmUp.h"

#include "platform/gl/GLContext.h"
#include "platform/gl/PreparedContexts.h"
#include "platform/gl/RendererLibrary.h"
#include "platform/gl/Wgl.h"

#include <fontconfig/fontconfig.h>

RendererWarmUp::RendererWarmUp(int nWindowContexts) {
    // The thread must not write the environment others read.
    GLContext::ChooseRendererOptions();
    PreparedContexts::Begin();
    m_thread = std::thread([nWindowContexts] {
        // Fonts first: the main window needs them before any context. The
        // library keeps one configuration, whichever thread reads it first.
        FcInit();
        if (RendererLibrary::Load())
            PrepareWindowContexts(nWindowContexts);
        PreparedContexts::Finish();
    });
}

RendererWarmUp::~RendererWarmUp() {
    m_thread.join();
    PreparedContexts::DestroyRest();
}
