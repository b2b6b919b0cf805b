#include "platform/gdi/CFont.h"

#include "platform/gdi/GdiFont.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       const char* lpszFacename) {
    LOGFONT logFont{};
    logFont.lfHeight = nHeight;
    logFont.lfWidth = nWidth;
    logFont.lfEscapement = nEscapement;
    logFont.lfOrientation = nOrientation;
    logFont.lfWeight = nWeight;
    logFont.lfItalic = bItalic;
    logFont.lfUnderline = bUnderline;
    logFont.lfStrikeOut = cStrikeOut;
    logFont.lfCharSet = nCharSet;
    logFont.lfOutPrecision = nOutPrecision;
    logFont.lfClipPrecision = nClipPrecision;
    logFont.lfQuality = nQuality;
    logFont.lfPitchAndFamily = nPitchAndFamily;
    if (lpszFacename)
        std::strncpy(logFont.lfFaceName, lpszFacename, LF_FACESIZE - 1);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* pLogFont) {
    if (!pLogFont || !BeginCreate())
        return FALSE;
    m_logFont = *pLogFont;
    m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    EndCreate();
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* pLogFont) {
    if (!m_bCreated || !pLogFont)
        return 0;
    *pLogFont = m_logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

QFont CFont::GetQFont() const {
    if (!m_bCreated || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QFont();
    return GdiFont(m_logFont).GetQFont();
}
