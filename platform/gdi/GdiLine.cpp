#include "platform/gdi/GdiLine.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kDotOn = 3;
constexpr int kDotPeriod = 6;

// The image's pixels, taken once per line: QImage::scanLine checks for a
// shared copy on every call, which cost more than the drawing itself.
class Pixels {
  public:
    explicit Pixels(QImage& image)
        : m_pBits(reinterpret_cast<QRgb*>(image.bits())), m_nStride(image.bytesPerLine() / 4),
          m_nWidth(image.width()), m_nHeight(image.height()) {}

    void Plot(int x, int y, QRgb color) {
        if (x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight)
            m_pBits[y * m_nStride + x] = color;
    }

    // Sets left..right-1 of row y, clipped to the image.
    void Span(int left, int right, int y, QRgb color) {
        left = std::max(left, 0);
        right = std::min(right, m_nWidth);
        if (y < 0 || y >= m_nHeight || left >= right)
            return;
        QRgb* pRow = m_pBits + y * m_nStride;
        std::fill(pRow + left, pRow + right, color);
    }

  private:
    QRgb* m_pBits;
    qsizetype m_nStride;
    int m_nWidth;
    int m_nHeight;
};

// The coordinates nStart + i * nDelta / n, rounded to nearest with halves
// away from zero, for i = nFirst, nFirst + 1, ...: one division to begin
// with, then a division-free step per pixel.
class Rounded {
  public:
    Rounded(int nStart, int nDelta, int n, int nFirst)
        : m_nStart(nStart), m_nSign(nDelta < 0 ? -1 : 1), m_nTwiceDelta(2LL * std::abs(nDelta)),
          m_nTwiceSteps(2LL * std::max(n, 1)) {
        const long long nNumerator = nFirst * m_nTwiceDelta + m_nTwiceSteps / 2;
        m_nQuotient = nNumerator / m_nTwiceSteps;
        m_nRemainder = nNumerator % m_nTwiceSteps;
    }

    int Value() const { return m_nStart + m_nSign * static_cast<int>(m_nQuotient); }

    // A run never moves faster than its steps, so the remainder carries at
    // most once.
    void Next() {
        m_nRemainder += m_nTwiceDelta;
        if (m_nRemainder >= m_nTwiceSteps) {
            m_nRemainder -= m_nTwiceSteps;
            ++m_nQuotient;
        }
    }

  private:
    int m_nStart;
    int m_nSign;
    long long m_nTwiceDelta;
    long long m_nTwiceSteps;
    long long m_nQuotient = 0;
    long long m_nRemainder = 0;
};

// The steps [first, last) of a line of nSteps that can touch the image: a
// line far longer than the image only walks across it.
std::pair<int, int> VisibleSteps(const QImage& image, POINT ptFrom, int dx, int dy, int nSteps,
                                 int nMargin) {
    double first = 0.0, last = nSteps;
    const auto clip = [&](int nStart, int nDelta, int nSize) {
        const double low = -nMargin - 1.0 - nStart, high = nSize + nMargin + 1.0 - nStart;
        if (nDelta == 0) {
            if (low > 0.0 || high < 0.0)
                last = -1.0;
            return;
        }
        double t0 = low * nSteps / nDelta, t1 = high * nSteps / nDelta;
        if (t0 > t1)
            std::swap(t0, t1);
        first = std::max(first, t0);
        last = std::min(last, t1);
    };
    clip(ptFrom.x, dx, image.width());
    clip(ptFrom.y, dy, image.height());
    if (last < first)
        return {0, 0};
    return {static_cast<int>(std::floor(first)), static_cast<int>(std::ceil(last)) + 1};
}

} // namespace

void GdiLine::Draw(QImage& image, POINT ptFrom, POINT ptTo, const Pen& pen, bool bOpaqueGaps,
                   QRgb crBk, int& nStylePos) {
    if (pen.nStyle == PS_NULL)
        return;
    // GDI keeps coordinates to 28 bits.
    constexpr LONG kLimit = 1 << 27;
    for (POINT* pPoint : {&ptFrom, &ptTo}) {
        pPoint->x = std::clamp(pPoint->x, -kLimit, kLimit);
        pPoint->y = std::clamp(pPoint->y, -kLimit, kLimit);
    }
    const int dx = ptTo.x - ptFrom.x;
    const int dy = ptTo.y - ptFrom.y;
    const int nSteps = std::max(std::abs(dx), std::abs(dy));
    Pixels pixels(image);

    if (pen.nWidth > 1) {
        const int nBefore = pen.nWidth / 2;
        const auto [nFirst, nLast] = VisibleSteps(image, ptFrom, dx, dy, nSteps, pen.nWidth);
        const int nBegin = std::max(nFirst, 0);
        Rounded x(ptFrom.x, dx, nSteps, nBegin), y(ptFrom.y, dy, nSteps, nBegin);
        for (int i = nBegin; i <= std::min(nLast, nSteps); ++i, x.Next(), y.Next()) {
            const int left = x.Value() - nBefore, top = y.Value() - nBefore;
            for (int sy = top; sy < top + pen.nWidth; ++sy)
                pixels.Span(left, left + pen.nWidth, sy, pen.color);
        }
        return;
    }

    const auto [nFirst, nLast] = VisibleSteps(image, ptFrom, dx, dy, nSteps, 1);
    const int nBegin = std::clamp(nFirst, 0, nSteps), nEnd = std::clamp(nLast, nBegin, nSteps);
    if (pen.nStyle == PS_DOT)
        nStylePos = (nStylePos + nBegin) % kDotPeriod;
    Rounded x(ptFrom.x, dx, nSteps, nBegin), y(ptFrom.y, dy, nSteps, nBegin);
    for (int i = nBegin; i < nEnd; ++i, x.Next(), y.Next()) {
        if (pen.nStyle == PS_DOT) {
            const bool bOn = nStylePos % kDotPeriod < kDotOn;
            nStylePos = (nStylePos + 1) % kDotPeriod;
            if (bOn)
                pixels.Plot(x.Value(), y.Value(), pen.color);
            else if (bOpaqueGaps)
                pixels.Plot(x.Value(), y.Value(), crBk);
        } else {
            pixels.Plot(x.Value(), y.Value(), pen.color);
        }
    }
    if (pen.nStyle == PS_DOT)
        nStylePos = (nStylePos + nSteps - nEnd) % kDotPeriod;
}
