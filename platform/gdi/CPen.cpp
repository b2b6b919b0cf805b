#include "platform/gdi/CPen.h"

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    CreatePen(nPenStyle, nWidth, crColor);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (!BeginCreate())
        return FALSE;
    if (nPenStyle != PS_SOLID && nPenStyle != PS_DOT && nPenStyle != PS_NULL)
        return FALSE;
    m_logPen.lopnStyle = static_cast<UINT>(nPenStyle);
    m_logPen.lopnWidth = POINT{nWidth < 0 ? 0 : nWidth, 0};
    m_logPen.lopnColor = crColor & 0xFFFFFF;
    EndCreate();
    return TRUE;
}

int CPen::GetLogPen(LOGPEN* pLogPen) {
    if (!m_bCreated || !pLogPen)
        return 0;
    *pLogPen = m_logPen;
    return static_cast<int>(sizeof(LOGPEN));
}
