#pragma once

#include "platform/gdi/GdiDefs.h"
#include "platform/gl/WglDefs.h"

class OutlineGlyphs;

// The outlines of the face that stands in for a LOGFONT (FontLookup), turned
// into OpenGL display lists one glyph at a time. The outlines themselves are
// read once per process (OutlineGlyphs); each list replays them. A copy is a
// second handle on the same outlines.
class OutlineFont {
  public:
    explicit OutlineFont(const LOGFONT& logFont);

    bool IsOpen() const { return m_pGlyphs != nullptr; }
    // Reads the glyph of the Windows-1252 character nChar, its curves
    // flattened to within fDeviation (see wglUseFontOutlines); fills pMetrics
    // when given. False when the glyph cannot be read.
    bool MeasureGlyph(unsigned nChar, float fDeviation, GLYPHMETRICSFLOAT* pMetrics) const;
    // Compiles list nList in the current context with that glyph (one that
    // MeasureGlyph read).
    void CompileGlyph(unsigned nChar, unsigned nList, float fDeviation, float fExtrusion,
                      int nFormat) const;

  private:
    OutlineGlyphs* m_pGlyphs = nullptr; // owned by the process-wide cache
};
