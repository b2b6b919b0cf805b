#pragma once

#include "platform/gdi/CGdiObject.h"

#include <QFont>

class CDC;

// A logical font: what a program asks for. The face that draws it is found
// when it is selected into a device context (FontLookup).
class CFont : public CGdiObject {
  public:
    CFont() = default;

    // A positive height is the character cell height, a negative one the em
    // height, both in pixels; 0 asks for the default size.
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    const char* lpszFacename);
    BOOL CreateFontIndirect(const LOGFONT* pLogFont);
    int GetLogFont(LOGFONT* pLogFont);
    // The face that stands in for the font, as device contexts draw it, for a
    // window to show its text in (CWnd::SetFont); the application's default
    // face before the font is created or without a running QGuiApplication.
    QFont GetQFont() const;

  private:
    LOGFONT m_logFont{};
};
