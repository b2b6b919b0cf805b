#include "platform/gl/OutlineFont.h"

#include "platform/gdi/FontLookup.h"
#include "platform/gl/OutlineGlyphs.h"

#include <GL/gl.h>

#include <cmath>

namespace {

using Point = OutlineGlyphs::Point;
using Contour = OutlineGlyphs::Contour;

void EmitPolygons(const std::vector<Contour>& contours, const std::vector<Point>& triangles,
                  float fExtrusion) {
    const double back = -fExtrusion;
    glBegin(GL_TRIANGLES);
    glNormal3f(0.0f, 0.0f, 1.0f);
    for (const Point& point : triangles)
        glVertex3d(point[0], point[1], 0.0);
    if (fExtrusion > 0.0f) {
        glNormal3f(0.0f, 0.0f, -1.0f);
        for (size_t i = 0; i < triangles.size(); i += 3)
            for (size_t k : {i, i + 2, i + 1})
                glVertex3d(triangles[k][0], triangles[k][1], back);
    }
    glEnd();
    if (fExtrusion <= 0.0f)
        return;
    // Side walls, facing away from the filled side of each edge.
    glBegin(GL_QUADS);
    for (const Contour& contour : contours) {
        for (size_t i = 0; i < contour.size(); ++i) {
            const Point& p0 = contour[i];
            const Point& p1 = contour[(i + 1) % contour.size()];
            const double dx = p1[0] - p0[0], dy = p1[1] - p0[1];
            const double length = std::hypot(dx, dy);
            if (length <= 0.0)
                continue;
            glNormal3d(dy / length, -dx / length, 0.0);
            glVertex3d(p0[0], p0[1], 0.0);
            glVertex3d(p0[0], p0[1], back);
            glVertex3d(p1[0], p1[1], back);
            glVertex3d(p1[0], p1[1], 0.0);
        }
    }
    glEnd();
}

void EmitLines(const std::vector<Contour>& contours) {
    for (const Contour& contour : contours) {
        glBegin(GL_LINE_LOOP);
        for (const Point& point : contour)
            glVertex3d(point[0], point[1], 0.0);
        glEnd();
    }
}

} // namespace

OutlineFont::OutlineFont(const LOGFONT& logFont) {
    const FontLookup::Face face =
        FontLookup::Find(logFont.lfFaceName, logFont.lfWeight, logFont.lfItalic != 0);
    if (face.bFound)
        m_pGlyphs = OutlineGlyphs::Of(face.strFile, face.nIndex);
}

bool OutlineFont::MeasureGlyph(unsigned nChar, float fDeviation,
                               GLYPHMETRICSFLOAT* pMetrics) const {
    const OutlineGlyphs::Glyph* pGlyph =
        m_pGlyphs ? m_pGlyphs->Find(nChar, fDeviation, false) : nullptr;
    if (!pGlyph)
        return false;
    if (pMetrics) {
        pMetrics->gmfBlackBoxX = static_cast<FLOAT>(pGlyph->boxWidth);
        pMetrics->gmfBlackBoxY = static_cast<FLOAT>(pGlyph->boxHeight);
        pMetrics->gmfptGlyphOrigin =
            POINTFLOAT{static_cast<FLOAT>(pGlyph->boxLeft), static_cast<FLOAT>(pGlyph->boxTop)};
        pMetrics->gmfCellIncX = static_cast<FLOAT>(pGlyph->advance);
        pMetrics->gmfCellIncY = 0.0f;
    }
    return true;
}

void OutlineFont::CompileGlyph(unsigned nChar, unsigned nList, float fDeviation, float fExtrusion,
                               int nFormat) const {
    const OutlineGlyphs::Glyph* pGlyph =
        m_pGlyphs ? m_pGlyphs->Find(nChar, fDeviation, nFormat == WGL_FONT_POLYGONS) : nullptr;
    if (!pGlyph)
        return;

    glNewList(nList, GL_COMPILE);
    if (nFormat == WGL_FONT_POLYGONS)
        EmitPolygons(pGlyph->contours, pGlyph->triangles, fExtrusion);
    else
        EmitLines(pGlyph->contours);
    glTranslated(pGlyph->advance, 0.0, 0.0);
    glEndList();
}
