#include "views/OrthographicView.h"

#include "platform/gl/Wgl.h"

// Multiplied in the order scale, rotation, translation, so that a scene point
// is translated first, then rotated, then scaled.
void OrthographicView::ApplyViewTransformation(Player*) {
    glScalef(m_fZoom, m_fZoom, m_fZoom);
    ApplyOrientation();
}
