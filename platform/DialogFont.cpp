#include "platform/DialogFont.h"

#include "platform/gdi/GdiFont.h"

#include <cstdlib>
#include <cstring>

namespace {

// Dialogs are laid out for 96 pixels per inch.
constexpr int kPixelsPerInch = 96;

// Windows' MulDiv for the small positive values of a layout: a * b / c,
// rounded to the nearest whole number.
int MulDiv(int a, int b, int c) {
    return (a * b * 2 + c) / (c * 2);
}

LOGFONT LogFontOf(const DialogTemplateFont& font) {
    LOGFONT logFont{};
    // A negative height asks for the em square: the point size in pixels.
    logFont.lfHeight = -MulDiv(std::abs(font.nPointSize), kPixelsPerInch, 72);
    logFont.lfWeight = FW_NORMAL;
    std::strncpy(logFont.lfFaceName, font.faceName.c_str(), LF_FACESIZE - 1);
    return logFont;
}

} // namespace

DialogFont::DialogFont(const DialogTemplateFont& font) {
    const GdiFont face(LogFontOf(font));
    m_font = face.GetQFont();
    const int nLetters = face.GetWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_nBaseUnitX = (nLetters / 26 + 1) / 2;
    m_nBaseUnitY = face.GetHeight();
}

// Position and size convert each on its own, as Windows places a template's
// controls.
QSize DialogFont::ToPixels(int cx, int cy) const {
    return QSize(MulDiv(cx, m_nBaseUnitX, 4), MulDiv(cy, m_nBaseUnitY, 8));
}

QRect DialogFont::ToPixels(const DialogItemTemplate& item) const {
    return QRect(QPoint(MulDiv(item.x, m_nBaseUnitX, 4), MulDiv(item.y, m_nBaseUnitY, 8)),
                 ToPixels(item.cx, item.cy));
}
