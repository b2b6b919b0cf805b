#include "platform/gdi/CBrush.h"

CBrush::CBrush(COLORREF crColor) {
    CreateSolidBrush(crColor);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    const LOGBRUSH logBrush{BS_SOLID, crColor, 0};
    return CreateBrushIndirect(&logBrush);
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* pLogBrush) {
    if (!pLogBrush || !BeginCreate())
        return FALSE;
    if (pLogBrush->lbStyle != BS_SOLID && pLogBrush->lbStyle != BS_NULL)
        return FALSE;
    m_logBrush = LOGBRUSH{pLogBrush->lbStyle, pLogBrush->lbColor & 0xFFFFFF, 0};
    EndCreate();
    return TRUE;
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) {
    if (!m_bCreated || !pLogBrush)
        return 0;
    *pLogBrush = m_logBrush;
    return static_cast<int>(sizeof(LOGBRUSH));
}
