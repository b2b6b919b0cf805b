#pragma once

#include <QRect>
#include <QSize>

#include <array>

// The default workspace: the four scene views in a two-by-two grid of equal
// cells, the cast list as a column beside them and the time line across the
// whole width below, together filling the MDI area without overlapping.
class DefaultLayout {
  public:
    struct Place {
        const char* pszTitle;
        QRect rect;
    };

    // The six windows in the order their View menu commands open them, each
    // with its sub-window rectangle in an MDI area of that size.
    static std::array<Place, 6> Compute(QSize area);
};
