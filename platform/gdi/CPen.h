#pragma once

#include "platform/gdi/CGdiObject.h"

// A pen: PS_SOLID, PS_DOT (width 0 or 1 only, wider dotted pens draw solid as
// in Windows) or PS_NULL, of a width in pixels and a colour.
class CPen : public CGdiObject {
  public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    int GetLogPen(LOGPEN* pLogPen);

  private:
    LOGPEN m_logPen{};
};
