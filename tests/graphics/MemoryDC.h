#pragma once

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <string>

// A memory DC with a white bitmap of the given size selected, for reading
// back what GDI calls draw.
class MemoryDC {
public:
    MemoryDC(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateCompatibleBitmap(&m_dc, nWidth, nHeight);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, nWidth, nHeight, RGB(255, 255, 255));
    }
    ~MemoryDC() { m_dc.SelectObject(m_pOldBitmap); }

    CDC& dc() { return m_dc; }
    COLORREF At(int x, int y) { return m_dc.GetPixel(x, y); }

    // The pixels of rows y0..y1 as text, one character per pixel: '#' for
    // colour, '.' for white, '?' for anything else.
    std::string Rows(int y0, int y1, int x0, int x1, COLORREF colour)
    {
        std::string text;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const COLORREF pixel = At(x, y);
                text += pixel == colour ? '#' : pixel == RGB(255, 255, 255) ? '.' : '?';
            }
            text += '\n';
        }
        return text;
    }

    // The smallest rectangle holding every pixel that is not white; empty when
    // there is none.
    RECT Inked()
    {
        RECT box{m_nWidth, m_nHeight, 0, 0};
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                if (At(x, y) != RGB(255, 255, 255)) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box.right > box.left ? box : RECT{0, 0, 0, 0};
    }

private:
    int m_nWidth;
    int m_nHeight;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};
