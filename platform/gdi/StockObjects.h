#pragma once

#include "platform/gdi/CGdiObject.h"

class CBitmap;

// The process-wide stock objects: they are never deleted and every device
// context starts with them selected.
class StockObjects {
  public:
    // The stock pen, brush or font of a *_PEN, *_BRUSH, SYSTEM_FONT or
    // ANSI_FIXED_FONT index;
    // null for any other index.
    static HGDIOBJ Get(int nIndex);
    // The 1 x 1 monochrome bitmap that a new memory device context holds.
    static CBitmap* GetDefaultBitmap();

  private:
    struct Objects;
    static Objects& All();
};

// Win32's name for StockObjects::Get.
inline HGDIOBJ GetStockObject(int nIndex) {
    return StockObjects::Get(nIndex);
}
