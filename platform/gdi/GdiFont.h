#pragma once

#include "platform/gdi/GdiDefs.h"

#include <QFont>
#include <QString>

// The face that draws a LOGFONT in a device context, with the cell geometry
// Windows gives it. Text is drawn without antialiasing and without kerning, so
// that pictures are identical everywhere and widths add up as GDI's do.
class GdiFont {
  public:
    // Needs a running QGuiApplication.
    explicit GdiFont(const LOGFONT& logFont);

    const QFont& GetQFont() const { return m_font; }
    int GetAscent() const { return m_nAscent; }
    int GetHeight() const { return m_nAscent + m_nDescent; }
    int GetWidth(const QString& text) const;

  private:
    QFont m_font;
    int m_nAscent = 0;
    int m_nDescent = 0;
};
