#pragma once

#include "platform/CRect.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>

// Failures show rectangles as {left, top, right, bottom}.
inline void PrintTo(const CRect& rect, std::ostream* pStream) {
    *pStream << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
             << "}";
}

// The pixels of view as text, rows separated by spaces: 'r' red, 'g' green,
// 'b' blue, 'k' black, '.' white, '?' anything else.
inline std::string Picture(CDC& dc, const RECT& view) {
    static const std::pair<COLORREF, char> names[] = {{RGB(255, 0, 0), 'r'},
                                                      {RGB(0, 255, 0), 'g'},
                                                      {RGB(0, 0, 255), 'b'},
                                                      {RGB(0, 0, 0), 'k'},
                                                      {RGB(255, 255, 255), '.'}};
    std::string text;
    for (int y = view.top; y < view.bottom; ++y) {
        text += y > view.top ? " " : "";
        for (int x = view.left; x < view.right; ++x) {
            const COLORREF colour = dc.GetPixel(x, y);
            auto named = std::find_if(std::begin(names), std::end(names),
                                      [&](const auto& name) { return name.first == colour; });
            text += named == std::end(names) ? '?' : named->second;
        }
    }
    return text;
}

// A memory DC with a white bitmap of the given size selected, for reading
// back what GDI calls draw.
class MemoryDC {
  public:
    MemoryDC(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateCompatibleBitmap(&m_dc, nWidth, nHeight);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, nWidth, nHeight, RGB(255, 255, 255));
    }
    ~MemoryDC() { m_dc.SelectObject(m_pOldBitmap); }

    CDC& dc() { return m_dc; }
    COLORREF At(int x, int y) { return m_dc.GetPixel(x, y); }

    std::string Picture(const RECT& view) { return ::Picture(m_dc, view); }

    // The smallest rectangle holding every pixel that is not white; empty when
    // there is none.
    CRect Inked() {
        CRect box(m_nWidth, m_nHeight, 0, 0);
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                if (At(x, y) != RGB(255, 255, 255))
                    box.SetRect(std::min<int>(box.left, x), std::min<int>(box.top, y),
                                std::max<int>(box.right, x + 1), std::max<int>(box.bottom, y + 1));
        return box.IsRectEmpty() ? CRect() : box;
    }

    // Whether every pixel outside view is white.
    bool InkedOnlyWithin(const RECT& view) {
        const CRect ink = Inked();
        return ink.IsRectEmpty() || (ink.left >= view.left && ink.top >= view.top &&
                                     ink.right <= view.right && ink.bottom <= view.bottom);
    }

  private:
    int m_nWidth;
    int m_nHeight;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};
