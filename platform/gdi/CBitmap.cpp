#include "platform/gdi/CBitmap.h"

#include "platform/gdi/CDC.h"

#include <QImage>

#include <cstring>

CBitmap::~CBitmap() {
    if (m_pSelectedInto)
        m_pSelectedInto->ForgetBitmap(this);
}

BOOL CBitmap::Allocate(int nWidth, int nHeight, int nBitsPixel) {
    if (!BeginCreate() || nWidth < 0 || nHeight < 0)
        return FALSE;
    auto pImage = std::make_shared<QImage>(nWidth, nHeight, QImage::Format_RGB32);
    if (pImage->isNull())
        return FALSE;
    pImage->fill(0xFF000000);
    m_pImage = std::move(pImage);
    m_nBitsPixel = nBitsPixel;
    EndCreate();
    return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    if (!pDC || !pDC->GetSafeHdc())
        return FALSE;
    if (nWidth == 0 || nHeight == 0)
        return Allocate(1, 1, 1);
    return Allocate(nWidth, nHeight, 32);
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* lpBits) {
    if (nPlanes != 1 || (nBitcount != 1 && nBitcount != 32) || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    if (!Allocate(nWidth, nHeight, static_cast<int>(nBitcount)))
        return FALSE;
    if (!lpBits)
        return TRUE;
    const auto* pBytes = static_cast<const unsigned char*>(lpBits);
    if (nBitcount == 32) {
        for (int y = 0; y < nHeight; ++y) {
            auto* pRow = reinterpret_cast<QRgb*>(m_pImage->scanLine(y));
            std::memcpy(pRow, pBytes + static_cast<size_t>(y) * nWidth * 4,
                        static_cast<size_t>(nWidth) * 4);
            for (int x = 0; x < nWidth; ++x)
                pRow[x] |= 0xFF000000;
        }
        return TRUE;
    }
    const int nStride = (nWidth + 15) / 16 * 2;
    for (int y = 0; y < nHeight; ++y) {
        auto* pRow = reinterpret_cast<QRgb*>(m_pImage->scanLine(y));
        for (int x = 0; x < nWidth; ++x) {
            const bool bWhite = pBytes[y * nStride + x / 8] & (0x80 >> (x % 8));
            pRow[x] = bWhite ? 0xFFFFFFFF : 0xFF000000;
        }
    }
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) {
    if (!m_bCreated || !pBitMap)
        return 0;
    pBitMap->bmType = 0;
    pBitMap->bmWidth = m_pImage->width();
    pBitMap->bmHeight = m_pImage->height();
    pBitMap->bmWidthBytes =
        m_nBitsPixel == 1 ? (m_pImage->width() + 15) / 16 * 2 : m_pImage->width() * 4;
    pBitMap->bmPlanes = 1;
    pBitMap->bmBitsPixel = static_cast<WORD>(m_nBitsPixel);
    pBitMap->bmBits = nullptr;
    return static_cast<int>(sizeof(BITMAP));
}

void CBitmap::Release() {
    m_pImage.reset();
    m_nBitsPixel = 0;
}
