#pragma once

#include "platform/gdi/GdiDefs.h"
#include "platform/gl/WglDefs.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

// The outlines of the face that stands in for a LOGFONT (FontLookup), turned
// into OpenGL display lists one glyph at a time.
class OutlineFont {
  public:
    explicit OutlineFont(const LOGFONT& logFont);
    OutlineFont(const OutlineFont&) = delete;
    OutlineFont& operator=(const OutlineFont&) = delete;
    ~OutlineFont();

    bool IsOpen() const { return m_face != nullptr; }
    // Compiles list nList in the current context with the glyph of the
    // Windows-1252 character nChar (see wglUseFontOutlines); fills pMetrics
    // when given. False when the glyph cannot be read or tessellated.
    bool CompileGlyph(unsigned nChar, unsigned nList, float fDeviation, float fExtrusion,
                      int nFormat, GLYPHMETRICSFLOAT* pMetrics);

  private:
    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
};
