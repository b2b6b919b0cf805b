#include "platform/gl/OutlineFont.h"

#include "platform/gdi/FontLookup.h"
#include "platform/gl/GlyphTessellator.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

using Point = GlyphTessellator::Point;
using Contour = GlyphTessellator::Contour;

// Unicode of the Windows-1252 characters 0x80 to 0x9F; the rest of the code
// page is Latin-1. Unassigned codes keep their value and find no glyph.
unsigned UnicodeOf(unsigned nChar) {
    static const unsigned kHighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return nChar >= 0x80 && nChar < 0xA0 ? kHighControls[nChar - 0x80] : nChar;
}

// Flattens an outline (font units) into closed polygons whose points lie no
// further than the tolerance from the curves.
struct Flattener {
    std::vector<Contour> contours;
    Point last{};
    double tolerance = 1.0;

    static Point ToPoint(const FT_Vector* pVector) {
        return {double(pVector->x), double(pVector->y)};
    }

    void Add(const Point& point) {
        Contour& contour = contours.back();
        if (contour.empty() || contour.back() != point)
            contour.push_back(point);
        last = point;
    }

    // Uniform steps enough for a curve whose second difference is nBend.
    int Steps(double bend) const {
        const double n = std::ceil(std::sqrt(bend / (8.0 * tolerance)));
        return std::clamp(static_cast<int>(n), 1, 256);
    }

    static int MoveTo(const FT_Vector* to, void* pUser) {
        auto* self = static_cast<Flattener*>(pUser);
        self->contours.emplace_back();
        self->Add(ToPoint(to));
        return 0;
    }

    static int LineTo(const FT_Vector* to, void* pUser) {
        static_cast<Flattener*>(pUser)->Add(ToPoint(to));
        return 0;
    }

    static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* pUser) {
        auto* self = static_cast<Flattener*>(pUser);
        const Point p0 = self->last, p1 = ToPoint(control), p2 = ToPoint(to);
        const double bend = std::hypot(p0[0] - 2 * p1[0] + p2[0], p0[1] - 2 * p1[1] + p2[1]);
        const int n = self->Steps(bend);
        for (int i = 1; i <= n; ++i) {
            const double t = double(i) / n, u = 1.0 - t;
            self->Add({u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                       u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]});
        }
        return 0;
    }

    static int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to,
                       void* pUser) {
        auto* self = static_cast<Flattener*>(pUser);
        const Point p0 = self->last, p1 = ToPoint(control1), p2 = ToPoint(control2),
                    p3 = ToPoint(to);
        const double bend =
            6.0 * std::max(std::hypot(p0[0] - 2 * p1[0] + p2[0], p0[1] - 2 * p1[1] + p2[1]),
                           std::hypot(p1[0] - 2 * p2[0] + p3[0], p1[1] - 2 * p2[1] + p3[1]));
        const int n = self->Steps(bend);
        for (int i = 1; i <= n; ++i) {
            const double t = double(i) / n, u = 1.0 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            self->Add({a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                       a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]});
        }
        return 0;
    }
};

// Closed contours with at least three points, each counter-clockwise around
// what it fills (TrueType outlines run the other way round), scaled to the em.
std::vector<Contour> ContoursOf(FT_Outline& outline, double tolerance, double scale) {
    Flattener flattener;
    flattener.tolerance = tolerance;
    FT_Outline_Funcs funcs{};
    funcs.move_to = &Flattener::MoveTo;
    funcs.line_to = &Flattener::LineTo;
    funcs.conic_to = &Flattener::ConicTo;
    funcs.cubic_to = &Flattener::CubicTo;
    if (FT_Outline_Decompose(&outline, &funcs, &flattener) != 0)
        return {};
    const bool bReverse = FT_Outline_Get_Orientation(&outline) == FT_ORIENTATION_TRUETYPE;
    std::vector<Contour> contours;
    for (Contour& contour : flattener.contours) {
        if (contour.size() > 1 && contour.front() == contour.back())
            contour.pop_back();
        if (contour.size() < 3)
            continue;
        if (bReverse)
            std::reverse(contour.begin(), contour.end());
        for (Point& point : contour)
            point = {point[0] * scale, point[1] * scale};
        contours.push_back(std::move(contour));
    }
    return contours;
}

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
    if (!face.bFound || FT_Init_FreeType(&m_library) != 0)
        return;
    if (FT_New_Face(m_library, face.strFile.c_str(), face.nIndex, &m_face) != 0 ||
        m_face->units_per_EM == 0) {
        if (m_face)
            FT_Done_Face(m_face);
        m_face = nullptr;
    }
}

OutlineFont::~OutlineFont() {
    if (m_face)
        FT_Done_Face(m_face);
    if (m_library)
        FT_Done_FreeType(m_library);
}

bool OutlineFont::CompileGlyph(unsigned nChar, unsigned nList, float fDeviation, float fExtrusion,
                               int nFormat, GLYPHMETRICSFLOAT* pMetrics) {
    if (!m_face)
        return false;
    const FT_UInt nGlyph = FT_Get_Char_Index(m_face, UnicodeOf(nChar));
    if (FT_Load_Glyph(m_face, nGlyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) !=
        0)
        return false;
    FT_GlyphSlot pSlot = m_face->glyph;
    const double scale = 1.0 / m_face->units_per_EM;
    std::vector<Contour> contours;
    if (pSlot->format == FT_GLYPH_FORMAT_OUTLINE) {
        // A deviation of 0 means one design unit.
        const double tolerance = fDeviation > 0.0f ? fDeviation / scale : 1.0;
        contours = ContoursOf(pSlot->outline, tolerance, scale);
    }
    std::vector<Point> triangles;
    // Contours that enclose nothing (or that GLU cannot cut up) give a glyph
    // without faces rather than fail the whole font.
    if (nFormat == WGL_FONT_POLYGONS && !contours.empty())
        triangles = GlyphTessellator::Triangulate(contours);
    const double advance = pSlot->metrics.horiAdvance * scale;

    glNewList(nList, GL_COMPILE);
    if (nFormat == WGL_FONT_POLYGONS)
        EmitPolygons(contours, triangles, fExtrusion);
    else
        EmitLines(contours);
    glTranslated(advance, 0.0, 0.0);
    glEndList();

    if (pMetrics) {
        FT_BBox box{};
        if (!contours.empty())
            FT_Outline_Get_CBox(&pSlot->outline, &box);
        pMetrics->gmfBlackBoxX = static_cast<FLOAT>((box.xMax - box.xMin) * scale);
        pMetrics->gmfBlackBoxY = static_cast<FLOAT>((box.yMax - box.yMin) * scale);
        pMetrics->gmfptGlyphOrigin =
            POINTFLOAT{static_cast<FLOAT>(box.xMin * scale), static_cast<FLOAT>(box.yMax * scale)};
        pMetrics->gmfCellIncX = static_cast<FLOAT>(advance);
        pMetrics->gmfCellIncY = 0.0f;
    }
    return glIsList(nList) == GL_TRUE;
}
