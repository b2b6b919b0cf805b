#include "platform/gl/OutlineGlyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using Point = OutlineGlyphs::Point;
using Contour = OutlineGlyphs::Contour;

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

} // namespace

OutlineGlyphs* OutlineGlyphs::Of(const std::string& strFile, int nIndex) {
    static std::map<std::pair<std::string, int>, std::unique_ptr<OutlineGlyphs>> faces;
    const auto key = std::make_pair(strFile, nIndex);
    if (auto found = faces.find(key); found != faces.end())
        return found->second.get();
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::unique_ptr<OutlineGlyphs> pGlyphs;
    if (FT_Init_FreeType(&library) == 0) {
        if (FT_New_Face(library, strFile.c_str(), nIndex, &face) == 0 && face->units_per_EM != 0)
            pGlyphs.reset(new OutlineGlyphs(library, face));
        else if (face)
            FT_Done_Face(face);
        if (!pGlyphs)
            FT_Done_FreeType(library);
    }
    return faces.emplace(key, std::move(pGlyphs)).first->second.get();
}

OutlineGlyphs::OutlineGlyphs(FT_Library library, FT_Face face) : m_library(library), m_face(face) {}

OutlineGlyphs::~OutlineGlyphs() {
    FT_Done_Face(m_face);
    FT_Done_FreeType(m_library);
}

const OutlineGlyphs::Glyph* OutlineGlyphs::Find(unsigned nChar, float fDeviation, bool bTriangles) {
    auto [found, bNew] = m_glyphs.try_emplace({nChar, fDeviation});
    Glyph& glyph = found->second;
    const double scale = 1.0 / m_face->units_per_EM;
    // A deviation of 0 means one design unit.
    if (bNew && !Load(nChar, fDeviation > 0.0f ? fDeviation / scale : 1.0, glyph)) {
        m_glyphs.erase(found);
        return nullptr;
    }
    // Contours that enclose nothing (or that GLU cannot cut up) give a glyph
    // without faces rather than fail the whole font.
    if (bTriangles && !glyph.bTessellated) {
        if (!glyph.contours.empty())
            glyph.triangles = GlyphTessellator::Triangulate(glyph.contours);
        glyph.bTessellated = true;
    }
    return &glyph;
}

bool OutlineGlyphs::Load(unsigned nChar, double tolerance, Glyph& glyph) {
    const FT_UInt nGlyph = FT_Get_Char_Index(m_face, UnicodeOf(nChar));
    if (FT_Load_Glyph(m_face, nGlyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) !=
        0)
        return false;
    FT_GlyphSlot pSlot = m_face->glyph;
    const double scale = 1.0 / m_face->units_per_EM;
    if (pSlot->format == FT_GLYPH_FORMAT_OUTLINE)
        glyph.contours = ContoursOf(pSlot->outline, tolerance, scale);
    glyph.advance = pSlot->metrics.horiAdvance * scale;
    if (!glyph.contours.empty()) {
        FT_BBox box{};
        FT_Outline_Get_CBox(&pSlot->outline, &box);
        glyph.boxWidth = (box.xMax - box.xMin) * scale;
        glyph.boxHeight = (box.yMax - box.yMin) * scale;
        glyph.boxLeft = box.xMin * scale;
        glyph.boxTop = box.yMax * scale;
    }
    return true;
}
