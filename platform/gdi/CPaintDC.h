#pragma once

#include "platform/gdi/CClientDC.h"

// The device context of OnPaint: it draws into the window's surface, which the
// window shows when the paint is over.
class CPaintDC : public CClientDC {
  public:
    explicit CPaintDC(CWnd* pWnd);
};
