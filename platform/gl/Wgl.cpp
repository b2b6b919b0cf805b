#include "platform/gl/Wgl.h"

#include "platform/gdi/CDC.h"
#include "platform/gl/GLContext.h"
#include "platform/gl/GLSurface.h"
#include "platform/gl/OutlineFont.h"
#include "platform/gl/PreparedContexts.h"

#include <array>

namespace {

constexpr PIXELFORMATDESCRIPTOR MakeFormat(DWORD dwFlags) {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd.nVersion = 1;
    pfd.dwFlags = dwFlags;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cRedBits = 8;
    pfd.cRedShift = 16;
    pfd.cGreenBits = 8;
    pfd.cGreenShift = 8;
    pfd.cBlueBits = 8;
    pfd.cBlueShift = 0;
    pfd.cAlphaBits = 8;
    pfd.cAlphaShift = 24;
    pfd.cDepthBits = 24;
    pfd.cStencilBits = 8;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

constexpr std::array<PIXELFORMATDESCRIPTOR, 2> kFormats = {
    MakeFormat(PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_SWAP_EXCHANGE |
               PFD_GENERIC_ACCELERATED),
    MakeFormat(PFD_DRAW_TO_BITMAP | PFD_SUPPORT_GDI | PFD_SUPPORT_OPENGL),
};
constexpr int kWindowFormat = 1;
constexpr int kBitmapFormat = 2;

bool IsFormat(int iPixelFormat) {
    return iPixelFormat >= 1 && iPixelFormat <= static_cast<int>(kFormats.size());
}

GLSurface* SurfaceOf(HDC hdc) {
    return hdc && hdc->GetSafeHdc() ? &hdc->GetGLSurface() : nullptr;
}

} // namespace

int ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd) {
    if (!SurfaceOf(hdc) || !ppfd)
        return 0;
    return (ppfd->dwFlags & PFD_DRAW_TO_BITMAP) ? kBitmapFormat : kWindowFormat;
}

BOOL SetPixelFormat(HDC hdc, int iPixelFormat, const PIXELFORMATDESCRIPTOR*) {
    GLSurface* pSurface = SurfaceOf(hdc);
    if (!pSurface || !IsFormat(iPixelFormat))
        return FALSE;
    return pSurface->SetPixelFormat(iPixelFormat) ? TRUE : FALSE;
}

HGLRC wglCreateContext(HDC hdc) {
    GLSurface* pSurface = SurfaceOf(hdc);
    if (!pSurface || !IsFormat(pSurface->GetPixelFormat()))
        return nullptr;
    const int iPixelFormat = pSurface->GetPixelFormat();
    return GLContext::Create(kFormats[static_cast<size_t>(iPixelFormat - 1)], iPixelFormat);
}

void PrepareWindowContexts(int nCount) {
    for (int i = 0; i < nCount; ++i)
        if (OSMesaContext context = GLContext::NewHandle(kFormats[kWindowFormat - 1]))
            PreparedContexts::Add(kWindowFormat, context);
}

BOOL wglDeleteContext(HGLRC hglrc) {
    if (!GLContext::IsAlive(hglrc))
        return FALSE;
    delete hglrc;
    return TRUE;
}

BOOL wglMakeCurrent(HDC hdc, HGLRC hglrc) {
    if (!hglrc) {
        GLContext::ReleaseCurrent();
        return TRUE;
    }
    GLSurface* pSurface = SurfaceOf(hdc);
    if (!pSurface || !GLContext::IsAlive(hglrc) ||
        pSurface->GetPixelFormat() != hglrc->GetPixelFormat()) {
        GLContext::ReleaseCurrent();
        return FALSE;
    }
    return hglrc->MakeCurrent(*pSurface) ? TRUE : FALSE;
}

HGLRC wglGetCurrentContext() {
    return GLContext::GetCurrent();
}

HDC wglGetCurrentDC() {
    GLContext* pContext = GLContext::GetCurrent();
    return pContext && pContext->GetSurface() ? &pContext->GetSurface()->GetDC() : nullptr;
}

BOOL SwapBuffers(HDC hdc) {
    GLSurface* pSurface = SurfaceOf(hdc);
    return pSurface && pSurface->SwapBuffers() ? TRUE : FALSE;
}

BOOL wglUseFontOutlines(HDC hdc, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                        FLOAT extrusion, int format, LPGLYPHMETRICSFLOAT lpgmf) {
    if (!hdc || !hdc->GetSafeHdc() || !GLContext::GetCurrent())
        return FALSE;
    if ((format != WGL_FONT_LINES && format != WGL_FONT_POLYGONS) || !(deviation >= 0.0f) ||
        !(extrusion >= 0.0f) || first > 255 || count > 256 - first || listBase == 0 ||
        listBase > 0xFFFFFFFFu - count)
        return FALSE;
    OutlineFont font(hdc->GetSelectedLogFont());
    if (!font.IsOpen())
        return FALSE;
    // No list can be made while another is being compiled.
    GLint nCompiling = 0;
    glGetIntegerv(GL_LIST_INDEX, &nCompiling);
    if (nCompiling != 0)
        return FALSE;
    // Every glyph is read (and measured) now, so that a failed call leaves no
    // lists behind; the lists are made when first run (DeferredGlyphLists),
    // each name held meanwhile by an empty list.
    for (DWORD i = 0; i < count; ++i)
        if (!font.MeasureGlyph(first + i, deviation, lpgmf ? &lpgmf[i] : nullptr))
            return FALSE;
    DeferredGlyphLists& deferred = GLContext::GetCurrent()->GetDeferredGlyphLists();
    const DeferredGlyphLists::Request request{font, deviation, extrusion, format};
    for (DWORD i = 0; i < count; ++i) {
        glNewList(listBase + i, GL_COMPILE);
        glEndList();
        deferred.Defer(listBase + i, first + i, request);
    }
    return TRUE;
}
