#include "platform/gl/GLContext.h"

#include "platform/gl/GLSurface.h"
#include "platform/gl/PreparedContexts.h"

#include <GL/osmesa.h>

#include <cstdlib>
#include <set>

namespace {

GLContext* g_pCurrent = nullptr;

std::set<const GLContext*>& AliveContexts() {
    static std::set<const GLContext*> contexts;
    return contexts;
}

} // namespace

// Mesa's renderer compiles the shaders of each drawing state the first time
// it meets one, and LLVM's optimisation passes were most of that work: half
// of a start-up without a warm shader cache. Without them the pictures are the
// same and the scenes draw as fast. Read when the first context is made; the
// user's own setting stays.
void GLContext::ChooseRendererOptions() {
    [[maybe_unused]] static const bool bChosen = setenv("GALLIVM_PERF", "nopt", 0) == 0;
}

OSMesaContext GLContext::NewHandle(const PIXELFORMATDESCRIPTOR& format) {
    ChooseRendererOptions();
    // BGRA bytes are a QImage's 32-bit pixels on this little-endian machine.
    return OSMesaCreateContextExt(OSMESA_BGRA, format.cDepthBits, format.cStencilBits,
                                  format.cAccumBits, nullptr);
}

GLContext* GLContext::Create(const PIXELFORMATDESCRIPTOR& format, int nPixelFormat) {
    OSMesaContext context = PreparedContexts::Take(nPixelFormat);
    if (!context)
        context = NewHandle(format);
    if (!context)
        return nullptr;
    return new GLContext(context, nPixelFormat);
}

GLContext::GLContext(OSMesaContext context, int nPixelFormat)
    : m_context(context), m_nPixelFormat(nPixelFormat) {
    AliveContexts().insert(this);
}

GLContext::~GLContext() {
    if (g_pCurrent == this)
        ReleaseCurrent();
    AliveContexts().erase(this);
    OSMesaDestroyContext(m_context);
}

bool GLContext::IsAlive(const GLContext* pContext) {
    return pContext && AliveContexts().count(pContext) != 0;
}

GLContext* GLContext::GetCurrent() {
    return g_pCurrent;
}

void GLContext::ReleaseCurrent() {
    if (!g_pCurrent)
        return;
    glFinish();
    GLContext* pContext = g_pCurrent;
    g_pCurrent = nullptr;
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
    if (pContext->m_pSurface)
        pContext->m_pSurface->Unbound();
    pContext->m_pSurface = nullptr;
}

bool GLContext::MakeCurrent(GLSurface& surface) {
    if (g_pCurrent && (g_pCurrent != this || m_pSurface != &surface))
        ReleaseCurrent();
    if (!surface.Bind(*this, m_context)) {
        ReleaseCurrent();
        return false;
    }
    m_pSurface = &surface;
    g_pCurrent = this;
    return true;
}
