#pragma once

#include "platform/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QSize>

// The font a dialog template names and the dialog units it defines. The base
// units are those Windows takes from a dialog's font: the average width of
// the 52 Latin letters, rounded, and the character cell's height; a dialog
// unit is a quarter of the horizontal one and an eighth of the vertical one.
class DialogFont {
  public:
    // Needs a running QGuiApplication.
    explicit DialogFont(const DialogTemplateFont& font);

    const QFont& GetQFont() const { return m_font; }
    int GetBaseUnitX() const { return m_nBaseUnitX; }
    int GetBaseUnitY() const { return m_nBaseUnitY; }
    QSize ToPixels(int cx, int cy) const;
    QRect ToPixels(const DialogItemTemplate& item) const;

  private:
    QFont m_font;
    int m_nBaseUnitX = 0;
    int m_nBaseUnitY = 0;
};
