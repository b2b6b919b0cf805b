#include "platform/gdi/GdiFont.h"

#include "platform/gdi/FontLookup.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The cell height Windows gives a font created with height 0.
constexpr int kDefaultCellHeight = 16;

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

GdiFont::GdiFont(const LOGFONT& logFont) {
    const FontLookup::Face face =
        FontLookup::Find(logFont.lfFaceName, logFont.lfWeight, logFont.lfItalic != 0);
    const int nCell = face.nCellAscent + face.nCellDescent;

    // A positive height asks for the cell (ascent plus descent), a negative
    // one for the em square.
    int nEm = std::abs(logFont.lfHeight);
    if (logFont.lfHeight >= 0 && nCell > 0) {
        const int nCellHeight = logFont.lfHeight > 0 ? logFont.lfHeight : kDefaultCellHeight;
        nEm = Rounded(double(nCellHeight) * face.nUnitsPerEm / nCell);
    }
    nEm = std::clamp(nEm, 1, 4096);

    if (face.bFound)
        m_font.setFamily(QString::fromStdString(face.strFamily));
    m_font.setPixelSize(nEm);
    m_font.setWeight(static_cast<QFont::Weight>(std::clamp(face.nWeight, 100, 900)));
    m_font.setItalic(face.bItalic);
    m_font.setUnderline(logFont.lfUnderline != 0);
    m_font.setStrikeOut(logFont.lfStrikeOut != 0);
    m_font.setKerning(false);
    // Full hinting gives whole-pixel advances, as GDI's glyphs have.
    m_font.setHintingPreference(QFont::PreferFullHinting);
    m_font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));

    if (nCell > 0) {
        m_nAscent = Rounded(double(face.nCellAscent) * nEm / face.nUnitsPerEm);
        m_nDescent = Rounded(double(face.nCellDescent) * nEm / face.nUnitsPerEm);
    } else {
        const QFontMetrics metrics(m_font);
        m_nAscent = metrics.ascent();
        m_nDescent = metrics.descent();
    }
}

int GdiFont::GetWidth(const QString& text) const {
    return QFontMetrics(m_font).horizontalAdvance(text);
}
