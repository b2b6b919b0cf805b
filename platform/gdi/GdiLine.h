#pragma once

#include "platform/gdi/GdiDefs.h"

#include <QRgb>

class QImage;

// The pixels of a GDI line on a 32-bit image. QPainter cannot give them: its
// lines include their end point or drop the right and bottom one, and its
// dash patterns restart at every line.
class GdiLine {
  public:
    struct Pen {
        int nStyle = PS_SOLID;
        int nWidth = 1;
        QRgb color = 0xFF000000;
    };

    // Draws the line from ptFrom to ptTo. A cosmetic pen (width 0 or 1) sets
    // one pixel per step along the major axis and leaves out the end point, so
    // that joined lines set each corner once. Its PS_DOT pattern (3 pixels on,
    // 3 off) goes on from nStylePos, which the call advances; an opaque
    // background fills the gaps with crBk. A wider pen is solid and covers a
    // nWidth x nWidth square at every step, both ends included, the extra
    // pixel of an even width going up and left of the line.
    static void Draw(QImage& image, POINT ptFrom, POINT ptTo, const Pen& pen, bool bOpaqueGaps,
                     QRgb crBk, int& nStylePos);
};
