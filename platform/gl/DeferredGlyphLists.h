#pragma once

#include "platform/gl/OutlineFont.h"

#include <GL/gl.h>

#include <map>

// The glyph lists wglUseFontOutlines was asked for in one context and has
// not made yet. Compiling a glyph's list costs Mesa far more than drawing it,
// each scene view asks for 255 glyphs, and a scene shows a handful: so each
// list stands empty, its name taken, until something is about to run it (the
// list calls' hooks, DisplayListCalls.cpp).
class DeferredGlyphLists {
  public:
    // What one call asked for, apart from the list names.
    struct Request {
        OutlineFont font;
        float fDeviation;
        float fExtrusion;
        int nFormat;
    };

    // List nList is to hold the glyph of the character nChar; what was
    // pending for that name is dropped.
    void Defer(GLuint nList, unsigned nChar, const Request& request);
    bool IsEmpty() const { return m_pending.empty(); }
    // Makes list nList in the current context when it is pending.
    void Make(GLuint nList);
    void MakeAll();
    // Lists nList.. (nRange of them) were deleted or are being replaced.
    void Forget(GLuint nList, GLsizei nRange);

  private:
    struct Glyph {
        unsigned nChar;
        Request request;
    };
    std::map<GLuint, Glyph> m_pending;
};
