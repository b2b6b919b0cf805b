#pragma once

#include "platform/gdi/CGdiObject.h"

#include <memory>

class CDC;
class QImage;

// A device-dependent bitmap: the pixels a memory device context draws into
// while the bitmap is selected into it. Pixels are kept as 32-bit RGB in
// either depth (a monochrome bitmap holds only black and white).
class CBitmap : public CGdiObject {
  public:
    CBitmap() = default;
    ~CBitmap() override;

    // A colour bitmap, black. Either size 0 gives a 1 x 1 monochrome bitmap,
    // as in Windows.
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    // nBitcount 1 (rows of bits padded to 16 bits, 1 = white) or 32 (rows of
    // blue, green, red, unused bytes), top row first; lpBits may be null
    // (black).
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    int GetBitmap(BITMAP* pBitMap);

  private:
    bool CanDelete() const override { return m_pSelectedInto == nullptr; }
    void Release() override;
    BOOL Allocate(int nWidth, int nHeight, int nBitsPixel);

    std::shared_ptr<QImage> m_pImage;
    int m_nBitsPixel = 0;
    CDC* m_pSelectedInto = nullptr; // a bitmap is selected into one DC at most

    friend class CDC;
};
