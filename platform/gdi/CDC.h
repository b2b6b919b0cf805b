#pragma once

#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/GdiLine.h"

#include <memory>

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;
class CWnd;
class GdiFont;
class GLSurface;
class QImage;
class QString;

// A device context: GDI drawing state over a target image. A memory DC
// (CreateCompatibleDC) draws into the bitmap selected into it; the window DCs
// (CClientDC, CPaintDC) draw into their window's surface. Coordinates are
// pixels of the target, y downwards; everything outside the target is
// clipped. Text is UTF-8.
class CDC {
  public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    // Makes this a memory DC holding a 1 x 1 monochrome bitmap; pDC may be
    // null. FALSE when it already is a device context.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Gives up the memory DC; the objects it holds stay as they are.
    BOOL DeleteDC();
    // This DC when it is one, else null.
    HDC GetSafeHdc() { return IsCreated() ? this : nullptr; }
    static CDC* FromHandle(HDC hDC) { return hDC; }
    // The window a window DC draws into; null for a memory DC.
    virtual CWnd* GetWindow() const { return nullptr; }

    // Selecting returns the object selected before, or null when the new one
    // cannot be selected (not created; a bitmap into a window DC or into a
    // second DC).
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectStockObject(int nIndex);

    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const { return m_crBk; }
    // TRANSPARENT or OPAQUE; 0 for any other mode.
    int SetBkMode(int nBkMode);

    // Moving starts a new figure: the dot pattern of the pen starts again.
    POINT MoveTo(int x, int y);
    // Draws with the selected pen from the current position (see GdiLine) and
    // makes (x, y) the current position.
    BOOL LineTo(int x, int y);
    // Fills left..right-1 x top..bottom-1.
    void FillRect(const RECT* lpRect, CBrush* pBrush);
    // Fills with a colour, which also becomes the background colour (the
    // colour is put down as opaque background, as MFC does).
    void FillSolidRect(const RECT* lpRect, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    // CLR_INVALID outside the target.
    COLORREF GetPixel(int x, int y);

    // Text in a rectangle with DT_LEFT, DT_CENTER, DT_RIGHT, DT_TOP,
    // DT_VCENTER, DT_BOTTOM (single line only), DT_SINGLELINE, DT_NOCLIP and
    // DT_NOPREFIX; without DT_NOPREFIX "&x" underlines x and "&&" is "&".
    // Returns the height of the text, 0 on failure.
    int DrawText(const char* lpszString, int nCount, RECT* lpRect, UINT nFormat);
    int DrawText(const char* lpszString, RECT* lpRect, UINT nFormat);
    SIZE GetTextExtent(const char* lpszString, int nCount = -1);

    // Copies a block of pixels; only SRCCOPY. The source may be this DC.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
    // Copies with scaling, nearest pixel; negative sizes mirror. Only SRCCOPY.
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);

    // The logical font selected into this DC (for outline fonts).
    const LOGFONT& GetSelectedLogFont() const { return m_logFont; }
    // The OpenGL side of this DC: its pixel format and rendering buffer.
    GLSurface& GetGLSurface();

  protected:
    // Where the pixels go; null when this is no device context.
    virtual QImage* GetTarget();
    virtual bool IsCreated() const { return m_bMemoryDC; }
    // Unbinds OpenGL from this DC; window DCs call it before their window goes.
    void ReleaseGLSurface();

  private:
    friend class CBitmap;
    friend class GLSurface;

    // The target, made ready for GDI: OpenGL work on it is finished first.
    QImage* BeginDrawing();
    std::shared_ptr<QImage> GetBitmapImage() const { return m_pBitmapImage; }
    void ForgetBitmap(CBitmap* pBitmap);
    void FillPixels(QImage& image, int left, int top, int right, int bottom, COLORREF crColor);
    const GdiFont* GetFont();
    void DrawTextLine(QImage& image, int x, int y, const QString& text, int nUnderlined,
                      const RECT* pClip);

    bool m_bMemoryDC = false;
    std::shared_ptr<QImage> m_pBitmapImage; // a memory DC's target

    CPen* m_pPen = nullptr;
    CBrush* m_pBrush = nullptr;
    CFont* m_pFont = nullptr;
    CBitmap* m_pBitmap = nullptr;

    GdiLine::Pen m_pen;
    LOGFONT m_logFont{};
    std::unique_ptr<GdiFont> m_pGdiFont; // made for m_logFont on first use
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBk = RGB(255, 255, 255);
    int m_nBkMode = OPAQUE;
    POINT m_ptCurrent{0, 0};
    int m_nStylePos = 0;

    std::unique_ptr<GLSurface> m_pGLSurface;
};
