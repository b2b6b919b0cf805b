#include "platform/gl/GlyphTessellator.h"

#include <GL/glu.h>

#include <cstddef>
#include <deque>
#include <utility>

namespace {

struct Collector {
    std::deque<std::array<GLdouble, 3>> vertices; // stable addresses for GLU
    std::vector<GlyphTessellator::Point> triangles;
    bool bFailed = false;
};

void GLAPIENTRY OnVertex(void* pVertex, void* pData) {
    const auto* pCoords = static_cast<const GLdouble*>(pVertex);
    static_cast<Collector*>(pData)->triangles.push_back({pCoords[0], pCoords[1]});
}

void GLAPIENTRY OnCombine(GLdouble coords[3], void* [4], GLfloat[4], void** ppOut, void* pData) {
    auto& vertices = static_cast<Collector*>(pData)->vertices;
    vertices.push_back({coords[0], coords[1], coords[2]});
    *ppOut = vertices.back().data();
}

void GLAPIENTRY OnError(GLenum, void* pData) {
    static_cast<Collector*>(pData)->bFailed = true;
}

// Registering an edge-flag callback makes GLU produce separate triangles only
// (no fans or strips).
void GLAPIENTRY OnEdgeFlag(GLboolean, void*) {}

void GLAPIENTRY OnBegin(GLenum, void*) {}

void GLAPIENTRY OnEnd(void*) {}

} // namespace

std::vector<GlyphTessellator::Point>
GlyphTessellator::Triangulate(const std::vector<Contour>& contours) {
    Collector collector;
    GLUtesselator* pTess = gluNewTess();
    if (!pTess)
        return {};
    gluTessCallback(pTess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(&OnBegin));
    gluTessCallback(pTess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(&OnVertex));
    gluTessCallback(pTess, GLU_TESS_END_DATA, reinterpret_cast<_GLUfuncptr>(&OnEnd));
    gluTessCallback(pTess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(&OnCombine));
    gluTessCallback(pTess, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(&OnError));
    gluTessCallback(pTess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(&OnEdgeFlag));
    gluTessProperty(pTess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(pTess, 0.0, 0.0, 1.0);

    gluTessBeginPolygon(pTess, &collector);
    for (const Contour& contour : contours) {
        gluTessBeginContour(pTess);
        for (const Point& point : contour) {
            collector.vertices.push_back({point[0], point[1], 0.0});
            gluTessVertex(pTess, collector.vertices.back().data(),
                          collector.vertices.back().data());
        }
        gluTessEndContour(pTess);
    }
    gluTessEndPolygon(pTess);
    gluDeleteTess(pTess);

    if (collector.bFailed || collector.triangles.size() % 3 != 0)
        return {};
    std::vector<Point>& triangles = collector.triangles;
    for (std::size_t i = 0; i < triangles.size(); i += 3) {
        const Point& a = triangles[i];
        const Point& b = triangles[i + 1];
        const Point& c = triangles[i + 2];
        const double area = (b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]);
        if (area < 0.0)
            std::swap(triangles[i + 1], triangles[i + 2]);
    }
    return triangles;
}
