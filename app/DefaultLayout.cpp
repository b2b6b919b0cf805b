#include "app/DefaultLayout.h"

#include <algorithm>

namespace {
// The time line needs width for its frames and the cast list height for its
// tiles; the views share what is left.
constexpr int kTimeLinePercentOfHeight = 30;
constexpr int kCastListPercentOfWidth = 20;
} // namespace

std::array<DefaultLayout::Place, 6> DefaultLayout::Compute(QSize area) {
    int width = std::max(area.width(), 0);
    int height = std::max(area.height(), 0);
    // The cells are equal; the pixels that do not divide evenly go to the
    // cast list and the time line.
    int cellWidth = (width - width * kCastListPercentOfWidth / 100) / 2;
    int cellHeight = (height - height * kTimeLinePercentOfHeight / 100) / 2;
    int viewsWidth = 2 * cellWidth;
    int viewsHeight = 2 * cellHeight;
    return {{
        {"Camera", QRect(0, 0, cellWidth, cellHeight)},
        {"Top", QRect(cellWidth, 0, cellWidth, cellHeight)},
        {"Front", QRect(0, cellHeight, cellWidth, cellHeight)},
        {"Side", QRect(cellWidth, cellHeight, cellWidth, cellHeight)},
        {"Time Line", QRect(0, viewsHeight, width, height - viewsHeight)},
        {"Cast List", QRect(viewsWidth, 0, width - viewsWidth, viewsHeight)},
    }};
}
