#include "platform/gdi/GdiLine.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kDotOn = 3;
constexpr int kDotPeriod = 6;

void Plot(QImage& image, int x, int y, QRgb color)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = color;
}

// The coordinate at step i of n along a run of nDelta, rounded to nearest.
int StepCoordinate(int nStart, int nDelta, int i, int n)
{
    const long long nTwice = 2LL * i * nDelta;
    const long long nRounded = nTwice >= 0 ? (nTwice + n) / (2LL * n) : -((-nTwice + n) / (2LL * n));
    return nStart + static_cast<int>(nRounded);
}

// The steps [first, last) of a line of nSteps that can touch the image: a
// line far longer than the image only walks across it.
std::pair<int, int> VisibleSteps(const QImage& image, POINT ptFrom, int dx, int dy, int nSteps, int nMargin)
{
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

}  // namespace

void GdiLine::Draw(QImage& image, POINT ptFrom, POINT ptTo, const Pen& pen, bool bOpaqueGaps,
                   QRgb crBk, int& nStylePos)
{
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

    if (pen.nWidth > 1) {
        const int nBefore = pen.nWidth / 2;
        const auto [nFirst, nLast] = VisibleSteps(image, ptFrom, dx, dy, nSteps, pen.nWidth);
        for (int i = std::max(nFirst, 0); i <= std::min(nLast, nSteps); ++i) {
            const int x = nSteps ? StepCoordinate(ptFrom.x, dx, i, nSteps) : ptFrom.x;
            const int y = nSteps ? StepCoordinate(ptFrom.y, dy, i, nSteps) : ptFrom.y;
            for (int sy = y - nBefore; sy < y - nBefore + pen.nWidth; ++sy)
                for (int sx = x - nBefore; sx < x - nBefore + pen.nWidth; ++sx)
                    Plot(image, sx, sy, pen.color);
        }
        return;
    }

    const auto [nFirst, nLast] = VisibleSteps(image, ptFrom, dx, dy, nSteps, 1);
    const int nBegin = std::clamp(nFirst, 0, nSteps), nEnd = std::clamp(nLast, nBegin, nSteps);
    if (pen.nStyle == PS_DOT)
        nStylePos = (nStylePos + nBegin) % kDotPeriod;
    for (int i = nBegin; i < nEnd; ++i) {
        const int x = StepCoordinate(ptFrom.x, dx, i, nSteps);
        const int y = StepCoordinate(ptFrom.y, dy, i, nSteps);
        if (pen.nStyle == PS_DOT) {
            const bool bOn = nStylePos % kDotPeriod < kDotOn;
            nStylePos = (nStylePos + 1) % kDotPeriod;
            if (bOn)
                Plot(image, x, y, pen.color);
            else if (bOpaqueGaps)
                Plot(image, x, y, crBk);
        } else {
            Plot(image, x, y, pen.color);
        }
    }
    if (pen.nStyle == PS_DOT)
        nStylePos = (nStylePos + nSteps - nEnd) % kDotPeriod;
}
