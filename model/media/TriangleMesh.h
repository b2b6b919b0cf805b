#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <vector>

class CDC;

// Triangles with one normal per corner, drawn from client-side vertex arrays
// so that every OpenGL context can draw them without per-context objects.
class TriangleMesh {
  public:
    // Three coordinates per corner, three corners per triangle.
    void AddCorner(const float position[3], const float normal[3]);
    // Gives the last triangle added its face normal at every corner.
    void UseFaceNormal();
    size_t GetTriangleCount() const { return m_positions.size() / 9; }

    void Draw() const;
    // A wire picture seen from above and the side, fitted into the area.
    void DrawWireframe(CDC* target, const RECT& area) const;

  private:
    std::vector<float> m_positions;
    std::vector<float> m_normals;
};
