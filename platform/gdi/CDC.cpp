#include "platform/gdi/CDC.h"

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gl/GLSurface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

QRgb ToRgb(COLORREF crColor) {
    return qRgb(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
}

COLORREF ToColorRef(QRgb rgb) {
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// GDI keeps coordinates to 28 bits; clamping there keeps every sum and
// difference below within int.
int Coord(long long value) {
    constexpr long long kLimit = 1 << 27;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

std::shared_ptr<QImage> NewDefaultImage() {
    auto pImage = std::make_shared<QImage>(1, 1, QImage::Format_RGB32);
    pImage->fill(0xFF000000);
    return pImage;
}

// Text with its mnemonic prefixes taken out: "&x" underlines x, "&&" is "&".
std::pair<QString, int> WithoutPrefixes(const QString& text) {
    QString shown;
    int nUnderlined = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            if (text[i] != QLatin1Char('&'))
                nUnderlined = static_cast<int>(shown.size());
        }
        shown += text[i];
    }
    return {shown, nUnderlined};
}

QStringList LinesOf(const QString& text, UINT nFormat) {
    if (nFormat & DT_SINGLELINE)
        return {text};
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

} // namespace

CDC::CDC() {
    SelectStockObject(BLACK_PEN);
    SelectStockObject(WHITE_BRUSH);
    SelectStockObject(SYSTEM_FONT);
}

CDC::~CDC() {
    ReleaseGLSurface();
    if (m_pBitmap && m_pBitmap->m_pSelectedInto == this)
        m_pBitmap->m_pSelectedInto = nullptr;
}

void CDC::ReleaseGLSurface() {
    m_pGLSurface.reset();
}

BOOL CDC::CreateCompatibleDC(CDC*) {
    if (IsCreated())
        return FALSE;
    m_bMemoryDC = true;
    m_pBitmap = StockObjects::GetDefaultBitmap();
    m_pBitmapImage = NewDefaultImage();
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (!m_bMemoryDC)
        return FALSE;
    ReleaseGLSurface();
    if (m_pBitmap && m_pBitmap->m_pSelectedInto == this)
        m_pBitmap->m_pSelectedInto = nullptr;
    m_pBitmap = nullptr;
    m_pBitmapImage.reset();
    m_bMemoryDC = false;
    return TRUE;
}

QImage* CDC::GetTarget() {
    return m_bMemoryDC ? m_pBitmapImage.get() : nullptr;
}

QImage* CDC::BeginDrawing() {
    QImage* pImage = GetTarget();
    if (pImage && m_pGLSurface)
        m_pGLSurface->FinishRendering();
    return pImage;
}

GLSurface& CDC::GetGLSurface() {
    if (!m_pGLSurface)
        m_pGLSurface = std::make_unique<GLSurface>(*this);
    return *m_pGLSurface;
}

CPen* CDC::SelectObject(CPen* pPen) {
    LOGPEN logPen{};
    if (!pPen || !pPen->GetLogPen(&logPen))
        return nullptr;
    m_pen.nStyle = static_cast<int>(logPen.lopnStyle);
    m_pen.nWidth = std::max<int>(logPen.lopnWidth.x, 1);
    m_pen.color = ToRgb(logPen.lopnColor);
    m_nStylePos = 0;
    return std::exchange(m_pPen, pPen);
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    LOGBRUSH logBrush{};
    if (!pBrush || !pBrush->GetLogBrush(&logBrush))
        return nullptr;
    return std::exchange(m_pBrush, pBrush);
}

CFont* CDC::SelectObject(CFont* pFont) {
    LOGFONT logFont{};
    if (!pFont || !pFont->GetLogFont(&logFont))
        return nullptr;
    if (std::memcmp(&logFont, &m_logFont, sizeof(LOGFONT)) != 0) {
        m_logFont = logFont;
        m_pGdiFont.reset();
    }
    return std::exchange(m_pFont, pFont);
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    if (!m_bMemoryDC || !pBitmap || !pBitmap->GetSafeHandle())
        return nullptr;
    CBitmap* pDefault = StockObjects::GetDefaultBitmap();
    if (pBitmap != pDefault && pBitmap->m_pSelectedInto && pBitmap->m_pSelectedInto != this)
        return nullptr;
    if (m_pBitmap && m_pBitmap->m_pSelectedInto == this)
        m_pBitmap->m_pSelectedInto = nullptr;
    CBitmap* pOld = std::exchange(m_pBitmap, pBitmap);
    if (pBitmap == pDefault) {
        m_pBitmapImage = NewDefaultImage();
    } else {
        pBitmap->m_pSelectedInto = this;
        m_pBitmapImage = pBitmap->m_pImage;
    }
    if (m_pGLSurface)
        m_pGLSurface->TargetChanged();
    return pOld;
}

void CDC::ForgetBitmap(CBitmap* pBitmap) {
    // The pixels stay this DC's target until another bitmap is selected.
    if (m_pBitmap == pBitmap)
        m_pBitmap = nullptr;
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    CGdiObject* pObject = StockObjects::Get(nIndex);
    if (auto* pPen = dynamic_cast<CPen*>(pObject))
        return SelectObject(pPen);
    if (auto* pBrush = dynamic_cast<CBrush*>(pObject))
        return SelectObject(pBrush);
    if (auto* pFont = dynamic_cast<CFont*>(pObject))
        return SelectObject(pFont);
    return nullptr;
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return std::exchange(m_crText, crColor & 0xFFFFFF);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return std::exchange(m_crBk, crColor & 0xFFFFFF);
}

int CDC::SetBkMode(int nBkMode) {
    if (nBkMode != TRANSPARENT && nBkMode != OPAQUE)
        return 0;
    return std::exchange(m_nBkMode, nBkMode);
}

POINT CDC::MoveTo(int x, int y) {
    m_nStylePos = 0;
    return std::exchange(m_ptCurrent, POINT{x, y});
}

BOOL CDC::LineTo(int x, int y) {
    QImage* pImage = BeginDrawing();
    if (!pImage)
        return FALSE;
    const POINT ptTo{x, y};
    GdiLine::Draw(*pImage, m_ptCurrent, ptTo, m_pen, m_nBkMode == OPAQUE, ToRgb(m_crBk),
                  m_nStylePos);
    m_ptCurrent = ptTo;
    return TRUE;
}

void CDC::FillPixels(QImage& image, int left, int top, int right, int bottom, COLORREF crColor) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width());
    bottom = std::min(bottom, image.height());
    if (left >= right || top >= bottom)
        return;
    // The first row is set pixel by pixel and the others copy it: copying is
    // several times faster, and large fills make up much of a redraw.
    const qsizetype nStride = image.bytesPerLine() / 4;
    const size_t nBytes = static_cast<size_t>(right - left) * sizeof(QRgb);
    QRgb* pFirst = reinterpret_cast<QRgb*>(image.bits()) + top * nStride + left;
    std::fill(pFirst, pFirst + (right - left), ToRgb(crColor));
    for (int y = top + 1; y < bottom; ++y)
        std::memcpy(pFirst + (y - top) * nStride, pFirst, nBytes);
}

void CDC::FillRect(const RECT* lpRect, CBrush* pBrush) {
    LOGBRUSH logBrush{};
    QImage* pImage = BeginDrawing();
    if (!pImage || !lpRect || !pBrush || !pBrush->GetLogBrush(&logBrush) ||
        logBrush.lbStyle == BS_NULL)
        return;
    FillPixels(*pImage, Coord(lpRect->left), Coord(lpRect->top), Coord(lpRect->right),
               Coord(lpRect->bottom), logBrush.lbColor);
}

void CDC::FillSolidRect(const RECT* lpRect, COLORREF crColor) {
    if (!lpRect)
        return;
    SetBkColor(crColor);
    if (QImage* pImage = BeginDrawing())
        FillPixels(*pImage, Coord(lpRect->left), Coord(lpRect->top), Coord(lpRect->right),
                   Coord(lpRect->bottom), crColor);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor) {
    const RECT rect{Coord(x), Coord(y), Coord(static_cast<long long>(x) + cx),
                    Coord(static_cast<long long>(y) + cy)};
    FillSolidRect(&rect, crColor);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
    QImage* pImage = BeginDrawing();
    if (!pImage || !pImage->rect().contains(x, y))
        return CLR_INVALID;
    reinterpret_cast<QRgb*>(pImage->scanLine(y))[x] = ToRgb(crColor);
    return crColor & 0xFFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) {
    QImage* pImage = BeginDrawing();
    if (!pImage || !pImage->rect().contains(x, y))
        return CLR_INVALID;
    return ToColorRef(reinterpret_cast<const QRgb*>(pImage->constScanLine(y))[x]);
}

const GdiFont* CDC::GetFont() {
    if (!m_pGdiFont && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        m_pGdiFont = std::make_unique<GdiFont>(m_logFont);
    return m_pGdiFont.get();
}

void CDC::DrawTextLine(QImage& image, int x, int y, const QString& text, int nUnderlined,
                       const RECT* pClip) {
    const GdiFont& font = *m_pGdiFont;
    QPainter painter(&image);
    if (pClip)
        painter.setClipRect(
            QRect(QPoint(pClip->left, pClip->top), QPoint(pClip->right - 1, pClip->bottom - 1)));
    if (m_nBkMode == OPAQUE)
        painter.fillRect(x, y, font.GetWidth(text), font.GetHeight(), QColor(ToRgb(m_crBk)));
    const QColor textColor(ToRgb(m_crText));
    painter.setFont(font.GetQFont());
    painter.setPen(textColor);
    const int nBaseline = y + font.GetAscent();
    painter.drawText(QPoint(x, nBaseline), text);
    if (nUnderlined >= 0 && nUnderlined < text.size()) {
        const int nLeft = x + font.GetWidth(text.left(nUnderlined));
        const int nWidth = font.GetWidth(text.mid(nUnderlined, 1));
        const int nLine = nBaseline + std::max(QFontMetrics(font.GetQFont()).underlinePos(), 1);
        painter.fillRect(nLeft, nLine, nWidth, 1, textColor);
    }
}

int CDC::DrawText(const char* lpszString, RECT* lpRect, UINT nFormat) {
    return DrawText(lpszString, -1, lpRect, nFormat);
}

int CDC::DrawText(const char* lpszString, int nCount, RECT* lpRect, UINT nFormat) {
    QImage* pImage = BeginDrawing();
    const GdiFont* pFont = pImage && lpszString && lpRect ? GetFont() : nullptr;
    if (!pFont)
        return 0;
    const QStringList lines = LinesOf(QString::fromUtf8(lpszString, nCount), nFormat);
    const RECT rect{Coord(lpRect->left), Coord(lpRect->top), Coord(lpRect->right),
                    Coord(lpRect->bottom)};
    const int nLineHeight = pFont->GetHeight();
    const int nTextHeight = nLineHeight * static_cast<int>(lines.size());

    int y = rect.top;
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER)
            y = rect.top + (rect.bottom - rect.top - nLineHeight) / 2;
        else if (nFormat & DT_BOTTOM)
            y = rect.bottom - nLineHeight;
    }
    const RECT* pClip = (nFormat & DT_NOCLIP) ? nullptr : &rect;
    for (const QString& line : lines) {
        const auto [shown, nUnderlined] =
            (nFormat & DT_NOPREFIX) ? std::pair<QString, int>(line, -1) : WithoutPrefixes(line);
        const int nWidth = pFont->GetWidth(shown);
        int x = rect.left;
        if (nFormat & DT_CENTER)
            x = rect.left + (rect.right - rect.left - nWidth) / 2;
        else if (nFormat & DT_RIGHT)
            x = rect.right - nWidth;
        DrawTextLine(*pImage, x, y, shown, nUnderlined, pClip);
        y += nLineHeight;
    }
    // Windows answers the offset from the top to the text's bottom when the
    // text was moved down.
    if ((nFormat & DT_SINGLELINE) && (nFormat & (DT_VCENTER | DT_BOTTOM)))
        return y - rect.top;
    return nTextHeight;
}

SIZE CDC::GetTextExtent(const char* lpszString, int nCount) {
    const GdiFont* pFont = IsCreated() && lpszString ? GetFont() : nullptr;
    if (!pFont)
        return SIZE{0, 0};
    return SIZE{pFont->GetWidth(QString::fromUtf8(lpszString, nCount)), pFont->GetHeight()};
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
    return StretchBlt(x, y, nWidth, nHeight, pSrcDC, xSrc, ySrc, nWidth, nHeight, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop) {
    if (dwRop != SRCCOPY || !pSrcDC)
        return FALSE;
    for (int* pValue : {&x, &y, &nWidth, &nHeight, &xSrc, &ySrc, &nSrcWidth, &nSrcHeight})
        *pValue = Coord(*pValue);
    QImage* pTarget = BeginDrawing();
    QImage* pSource = pSrcDC->BeginDrawing();
    if (!pTarget || !pSource)
        return FALSE;
    if (nWidth == 0 || nHeight == 0 || nSrcWidth == 0 || nSrcHeight == 0)
        return TRUE;

    // Both rectangles with positive sizes; a sign difference mirrors.
    const bool bMirrorX = (nWidth < 0) != (nSrcWidth < 0);
    const bool bMirrorY = (nHeight < 0) != (nSrcHeight < 0);
    const int left = std::min(x, x + nWidth), top = std::min(y, y + nHeight);
    const int srcLeft = std::min(xSrc, xSrc + nSrcWidth),
              srcTop = std::min(ySrc, ySrc + nSrcHeight);
    const int w = std::abs(nWidth), h = std::abs(nHeight);
    const int sw = std::abs(nSrcWidth), sh = std::abs(nSrcHeight);

    // Only the part inside the target is read, and all of it before anything
    // is written: the source may be the target itself.
    const int i0 = std::max(0, -left), i1 = std::min(w, pTarget->width() - left);
    const int j0 = std::max(0, -top), j1 = std::min(h, pTarget->height() - top);
    if (i0 >= i1 || j0 >= j1)
        return TRUE;
    if (w == sw && h == sh && !bMirrorX && !bMirrorY && pSource != pTarget) {
        // One to one between two pictures (the off-screen windows' paint):
        // rows are copied straight, with no scaling and no staging buffer.
        const int iFrom = std::max(i0, -srcLeft);
        const int iTo = std::min(i1, pSource->width() - srcLeft);
        for (int j = j0; j < j1 && iFrom < iTo; ++j) {
            const int sy = srcTop + j;
            if (sy < 0 || sy >= pSource->height())
                continue;
            const QRgb* pFrom = reinterpret_cast<const QRgb*>(pSource->constScanLine(sy)) + srcLeft;
            QRgb* pTo = reinterpret_cast<QRgb*>(pTarget->scanLine(top + j)) + left;
            for (int i = iFrom; i < iTo; ++i)
                pTo[i] = pFrom[i] | 0xFF000000;
        }
        return TRUE;
    }
    const int nSpan = i1 - i0;
    std::vector<QRgb> pixels(static_cast<size_t>(nSpan) * (j1 - j0), 0); // 0: outside the source
    for (int j = j0; j < j1; ++j) {
        int sy = static_cast<int>((2LL * j + 1) * sh / (2LL * h));
        sy = srcTop + (bMirrorY ? sh - 1 - sy : sy);
        if (sy < 0 || sy >= pSource->height())
            continue;
        const auto* pRow = reinterpret_cast<const QRgb*>(pSource->constScanLine(sy));
        for (int i = i0; i < i1; ++i) {
            int sx = static_cast<int>((2LL * i + 1) * sw / (2LL * w));
            sx = srcLeft + (bMirrorX ? sw - 1 - sx : sx);
            if (sx >= 0 && sx < pSource->width())
                pixels[static_cast<size_t>(j - j0) * nSpan + (i - i0)] = pRow[sx] | 0xFF000000;
        }
    }
    for (int j = j0; j < j1; ++j) {
        auto* pRow = reinterpret_cast<QRgb*>(pTarget->scanLine(top + j));
        for (int i = i0; i < i1; ++i) {
            const QRgb pixel = pixels[static_cast<size_t>(j - j0) * nSpan + (i - i0)];
            if (pixel)
                pRow[left + i] = pixel;
        }
    }
    return TRUE;
}
