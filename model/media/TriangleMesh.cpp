#include "model/media/TriangleMesh.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {
// More edges than this add nothing to a thumbnail but time.
constexpr size_t kThumbnailTriangles = 2000;
} // namespace

void TriangleMesh::AddCorner(const float position[3], const float normal[3]) {
    m_positions.insert(m_positions.end(), position, position + 3);
    m_normals.insert(m_normals.end(), normal, normal + 3);
}

void TriangleMesh::UseFaceNormal() {
    const float* p = &m_positions[m_positions.size() - 9];
    float u[3] = {p[3] - p[0], p[4] - p[1], p[5] - p[2]};
    float v[3] = {p[6] - p[0], p[7] - p[1], p[8] - p[2]};
    float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0)
        for (float& c : n)
            c /= length;
    float* corner = &m_normals[m_normals.size() - 9];
    for (int i = 0; i < 9; ++i)
        corner[i] = n[i % 3];
}

void TriangleMesh::Draw() const {
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, m_positions.data());
    glNormalPointer(GL_FLOAT, 0, m_normals.data());
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(m_positions.size() / 3));
    glPopClientAttrib();
}

void TriangleMesh::DrawWireframe(CDC* target, const RECT& area) const {
    size_t triangles = std::min(GetTriangleCount(), kThumbnailTriangles);
    if (triangles == 0)
        return;
    // Turned 30 degrees about y and tilted 20 about x, so that boxes show depth.
    const double cy = std::cos(0.52), sy = std::sin(0.52), cx = std::cos(0.35), sx = std::sin(0.35);
    std::vector<std::pair<double, double>> points(triangles * 3);
    double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
    for (size_t i = 0; i < points.size(); ++i) {
        const float* p = &m_positions[i * 3];
        double x = p[0] * cy + p[2] * sy;
        double z = -p[0] * sy + p[2] * cy;
        double y = p[1] * cx - z * sx;
        points[i] = {x, -y};
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, -y);
        bottom = std::max(bottom, -y);
    }
    double width = area.right - area.left - 4, height = area.bottom - area.top - 4;
    double scale =
        std::min(width / std::max(right - left, 1e-9), height / std::max(bottom - top, 1e-9));
    double offsetX = area.left + 2 + (width - (right - left) * scale) / 2 - left * scale;
    double offsetY = area.top + 2 + (height - (bottom - top) * scale) / 2 - top * scale;
    auto pixel = [&](size_t i) {
        return POINT{static_cast<LONG>(std::lround(points[i].first * scale + offsetX)),
                     static_cast<LONG>(std::lround(points[i].second * scale + offsetY))};
    };
    CPen pen(PS_SOLID, 1, RGB(40, 60, 120));
    CPen* old = target->SelectObject(&pen);
    for (size_t t = 0; t < triangles; ++t) {
        POINT a = pixel(t * 3), b = pixel(t * 3 + 1), c = pixel(t * 3 + 2);
        target->MoveTo(a.x, a.y);
        target->LineTo(b.x, b.y);
        target->LineTo(c.x, c.y);
        target->LineTo(a.x, a.y);
    }
    target->SelectObject(old);
}
