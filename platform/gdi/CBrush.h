#pragma once

#include "platform/gdi/CGdiObject.h"

// A solid brush (the stock NULL_BRUSH paints nothing).
class CBrush : public CGdiObject {
  public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);

    BOOL CreateSolidBrush(COLORREF crColor);
    // BS_SOLID or BS_NULL.
    BOOL CreateBrushIndirect(const LOGBRUSH* pLogBrush);
    int GetLogBrush(LOGBRUSH* pLogBrush);

  private:
    LOGBRUSH m_logBrush{};
};
