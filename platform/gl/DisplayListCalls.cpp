#include "platform/gl/DeferredGlyphLists.h"
#include "platform/gl/GLContext.h"

#include <GL/gl.h>

// Whatever links the graphics library is linked so that its OpenGL list calls
// come here first (the linker's --wrap, platform/CMakeLists.txt). Each makes
// the deferred glyph lists that the call is about to run, then makes the call
// itself; this library's own calls go straight to OpenGL.

namespace {

// The current context's deferred glyph lists when it has some and lists can
// be made now: not while a list is being compiled, as one list cannot be made
// inside another (__wrap_glNewList made them all before that one began).
DeferredGlyphLists* Deferred() {
    GLContext* pContext = GLContext::GetCurrent();
    if (!pContext || pContext->GetDeferredGlyphLists().IsEmpty())
        return nullptr;
    GLint nCompiling = 0;
    glGetIntegerv(GL_LIST_INDEX, &nCompiling);
    return nCompiling == 0 ? &pContext->GetDeferredGlyphLists() : nullptr;
}

} // namespace

extern "C" {

void __wrap_glCallList(GLuint list) {
    if (DeferredGlyphLists* pDeferred = Deferred())
        pDeferred->Make(list);
    glCallList(list);
}

void __wrap_glCallLists(GLsizei n, GLenum type, const GLvoid* lists) {
    DeferredGlyphLists* pDeferred = n > 0 && lists ? Deferred() : nullptr;
    // Text comes as bytes; any other kind of name is rare enough to make all.
    if (pDeferred && type == GL_UNSIGNED_BYTE) {
        GLint nBase = 0;
        glGetIntegerv(GL_LIST_BASE, &nBase);
        const auto* pCodes = static_cast<const GLubyte*>(lists);
        for (GLsizei i = 0; i < n; ++i)
            pDeferred->Make(static_cast<GLuint>(nBase) + pCodes[i]);
    } else if (pDeferred) {
        pDeferred->MakeAll();
    }
    glCallLists(n, type, lists);
}

// The new list may call glyph lists, which cannot be made while it compiles.
void __wrap_glNewList(GLuint list, GLenum mode) {
    if (DeferredGlyphLists* pDeferred = Deferred())
        pDeferred->MakeAll();
    glNewList(list, mode);
}

void __wrap_glDeleteLists(GLuint list, GLsizei range) {
    if (GLContext* pContext = GLContext::GetCurrent())
        pContext->GetDeferredGlyphLists().Forget(list, range);
    glDeleteLists(list, range);
}

} // extern "C"
