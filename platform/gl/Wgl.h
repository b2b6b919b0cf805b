#pragma once

// WGL, the binding of OpenGL to device contexts, over OSMesa. Every call
// checks its handles and answers FALSE, 0 or null for a null device context,
// a DC without a pixel format, or a deleted rendering context.

#include "platform/gdi/GdiDefs.h"
#include "platform/gl/WglDefs.h"

#include <GL/gl.h>
#include <GL/glu.h>

// Two formats are offered, both RGBA with 32 colour bits, 24 depth bits (the
// most OSMesa gives, whatever more is asked for) and 8 stencil bits: 1 for
// windows, double-buffered, and 2 for bitmaps (PFD_DRAW_TO_BITMAP asked).
int ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd);
BOOL SetPixelFormat(HDC hdc, int iPixelFormat, const PIXELFORMATDESCRIPTOR* ppfd);

HGLRC wglCreateContext(HDC hdc);
// Not WGL: makes nCount contexts of the window pixel format in this thread,
// for wglCreateContext to hand out (PreparedContexts).
void PrepareWindowContexts(int nCount);
BOOL wglDeleteContext(HGLRC hglrc);
// Binds the context to the DC's pixels: for a window DC a buffer of the
// window's client size, for a memory DC the selected bitmap. A null context
// releases the current one. On failure no context is current.
BOOL wglMakeCurrent(HDC hdc, HGLRC hglrc);
HGLRC wglGetCurrentContext();
HDC wglGetCurrentDC();
// Finishes rendering; a window DC's picture goes into the window's surface,
// top row first, and the window shows it.
BOOL SwapBuffers(HDC hdc);

// Builds display lists listBase.. for the characters first.. (Windows-1252
// codes below 256) of the font selected into hdc, in the current context:
// the glyph outline at z = 0 facing +z, with extrusion also a back face at
// z = -extrusion and side walls, or (WGL_FONT_LINES) the outline's contours.
// The em square is 1.0; each list ends by moving right by the glyph's
// advance. deviation is the largest distance of the flattened curves from the
// outline, 0 meaning one font design unit. The glyphs are read at once; each
// list is compiled when first run (DeferredGlyphLists).
BOOL wglUseFontOutlines(HDC hdc, DWORD first, DWORD count, DWORD listBase, FLOAT deviation,
                        FLOAT extrusion, int format, LPGLYPHMETRICSFLOAT lpgmf);
