#pragma once

#include <array>
#include <vector>

// Cuts the inside of a glyph's closed contours into triangles with the GLU
// tessellator, by the non-zero winding rule that outline fonts use.
class GlyphTessellator {
  public:
    using Point = std::array<double, 2>;
    using Contour = std::vector<Point>;

    // Triangles, three points each, every one counter-clockwise. Empty when
    // the contours enclose nothing or cannot be tessellated.
    static std::vector<Point> Triangulate(const std::vector<Contour>& contours);
};
