#pragma once

#include "platform/gl/GlyphTessellator.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

// The flattened and tessellated outlines of one face's glyphs, kept for the
// life of the process. Every context that builds display lists from the face
// replays them: reading and cutting up the outlines costs far more than
// compiling the lists, and each of the scene views builds the same 255.
class OutlineGlyphs {
  public:
    using Point = GlyphTessellator::Point;
    using Contour = GlyphTessellator::Contour;

    struct Glyph {
        // Closed, counter-clockwise around what they fill, in em units.
        std::vector<Contour> contours;
        // Made on the first request for the filled form.
        std::vector<Point> triangles;
        bool bTessellated = false;
        double advance = 0.0; // em units
        // The outline's control box in em units: its size and its top-left
        // corner; all zero without contours.
        double boxWidth = 0.0, boxHeight = 0.0, boxLeft = 0.0, boxTop = 0.0;
    };

    // The glyphs of face nIndex of a font file; null when it cannot be read
    // as a scalable face (asked once per process).
    static OutlineGlyphs* Of(const std::string& strFile, int nIndex);
    OutlineGlyphs(const OutlineGlyphs&) = delete;
    OutlineGlyphs& operator=(const OutlineGlyphs&) = delete;
    ~OutlineGlyphs();

    // The glyph of a Windows-1252 character, its curves flattened to within
    // fDeviation em (0: one design unit), with its triangles when asked for;
    // null when the glyph cannot be read.
    const Glyph* Find(unsigned nChar, float fDeviation, bool bTriangles);

  private:
    OutlineGlyphs(FT_Library library, FT_Face face);
    bool Load(unsigned nChar, double tolerance, Glyph& glyph);

    FT_Library m_library;
    FT_Face m_face;
    std::map<std::pair<unsigned, float>, Glyph> m_glyphs;
};
