#pragma once

#include "platform/gdi/GdiDefs.h"
#include "platform/gl/WglDefs.h"

class OutlineGlyphs;

// The outlines of the face that stands in for a LOGFONT (FontLookup), turned
// into OpenGL display lists one glyph at a time. The outlines themselves are
// read once per process (OutlineGlyphs); each list replays them.
class OutlineFont {
  public:
    explicit OutlineFont(const LOGFONT& logFont);

    bool IsOpen() const { return m_pGlyphs != nullptr; }
    // Compiles list nList in the current context with the glyph of the
    // Windows-1252 character nChar (see wglUseFontOutlines); fills pMetrics
    // when given. False when the glyph cannot be read or tessellated.
    bool CompileGlyph(unsigned nChar, unsigned nList, float fDeviation, float fExtrusion,
                      int nFormat, GLYPHMETRICSFLOAT* pMetrics);

  private:
    OutlineGlyphs* m_pGlyphs = nullptr; // owned by the process-wide cache
};
