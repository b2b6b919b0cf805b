#pragma once

#include "framework/String.h"
#include "platform/CRect.h"

#include <QImage>
#include <QRegion>

#include <memory>

class CDC;
class CScrollBar;
class QEvent;
class QFont;
class QWidget;
class StandardScrollBar;
class WindowWidget;
class WidgetLink;

// A window in the MFC manner over a Qt widget. Every message goes through the
// virtual WindowProc, whose default calls the matching On... handler; the
// handlers' defaults call Default(), which is DefWindowProc for the message
// being handled.
//
// Painting: the window has a client surface, an image of exactly the client
// size. A paint runs the erase step (WM_ERASEBKGND, when erasing was asked
// for), then WM_PAINT, then shows the surface. Device contexts draw into the
// surface; OpenGL's SwapBuffers copies its picture into it and calls
// PresentSurface. OnEraseBkgnd receives no device context: the erase step
// draws into GetSurface() (the default fills it with white).
class CWnd {
  public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creates the window: a child of pParentWnd's client area at rect (client
    // coordinates of the parent) when WS_CHILD is set, else a top-level window
    // at rect (screen coordinates). lpszClassName may name a class from
    // AfxRegisterWndClass; null or unknown means the default class (double
    // clicks on). Sends WM_CREATE, then WM_SIZE; a WM_CREATE result of -1
    // destroys the window again and Create returns FALSE.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // Sends WM_DESTROY to the window, destroys its child windows, then sends
    // WM_NCDESTROY, whose handling ends in PostNcDestroy.
    virtual BOOL DestroyWindow();

    HWND GetSafeHwnd() const { return m_pWidget ? const_cast<CWnd*>(this) : nullptr; }
    static CWnd* FromHandle(HWND hWnd) { return hWnd; }
    CWnd* GetParent() const { return m_pParent; }
    DWORD GetStyle() const { return m_dwStyle; }
    // Changes the recorded style bits (scroll bars and borders are made at
    // creation from the bits set then).
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    // Geometry. The client rectangle always starts at (0, 0); the window
    // rectangle is in screen coordinates and includes borders, scroll bars
    // and, for frames, the caption.
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    // The window rectangle, in the parent's client coordinates for a child
    // window and screen coordinates for a top-level one.
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    // SW_HIDE, SW_SHOW, SW_SHOWNORMAL, SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE;
    // returns whether the window was visible before.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);

    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(String& rString) const;

    // Keyboard focus; both return the window that had it before (or null).
    CWnd* SetFocus();
    static CWnd* GetFocus();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // InvalidateRect only records the area (and whether to erase) and
    // schedules a paint; UpdateWindow paints a pending area at once.
    void Invalidate(BOOL bErase = TRUE) { InvalidateRect(nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    // The client surface (Format_ARGB32_Premultiplied, client size).
    QImage& GetSurface();
    // Shows the surface again without erasing or calling OnPaint; inside a
    // paint it only lets that paint finish.
    void PresentSurface();

    // Mouse capture: while set, every mouse message goes to this window, in
    // its own client coordinates. Returns the previous capture window.
    CWnd* SetCapture();
    static CWnd* GetCapture();

    // Standard scroll bars of windows created with WS_HSCROLL / WS_VSCROLL
    // (nBar SB_HORZ or SB_VERT). A new bar has the range 0 to 100. A bar whose
    // range leaves nothing to scroll is hidden, which changes the client size.
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const;
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;

    void BeginWaitCursor();
    void EndWaitCursor();

    // The window shows its text in the face (a font hands its own with
    // CFont::GetQFont).
    void SetFont(const QFont& font, BOOL bRedraw = TRUE);

    // Binds this window to the control nID of a dialog (made from its
    // template); the control's earlier window object lets go of it.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    // The Qt widget of the client area (for frames, the widget inside the
    // frame decoration), null before creation and after destruction.
    QWidget* GetWidget() const { return m_pWidget; }
    static CWnd* FromWidget(const QWidget* widget);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // The Windows default processing of the message being handled.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnClose();
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* pDC);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point);
    virtual void OnRButtonUp(UINT nFlags, CPoint point);
    virtual void OnRButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnMButtonDown(UINT nFlags, CPoint point);
    virtual void OnMButtonUp(UINT nFlags, CPoint point);
    virtual void OnMButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    // pScrollBar is null for the window's standard scroll bars.
    virtual void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    // Called last, after WM_NCDESTROY; frames delete themselves here.
    virtual void PostNcDestroy();

    // For the window kinds built on other widgets (frames, dialogs, controls):
    // binds the window to its widgets and runs the creation messages.
    void AttachWidget(QWidget* widget, QWidget* outer);
    BOOL FinishCreate(LPCSTR lpszClassName, LPCSTR lpszWindowName, CWnd* pParentWnd,
                      LPVOID lpParam);
    // The widget that carries the window's decoration (a frame's sub-window),
    // the client widget for other windows.
    QWidget* GetOuterWidget() const { return m_pOuter; }
    // Lets a window kind release its own widgets when it is destroyed.
    virtual void ReleaseWidgets();
    // Gives the client widget the scroll bars that WS_HSCROLL and WS_VSCROLL
    // ask for.
    void CreateStandardScrollBars();
    // Sends WM_SIZE when the client size changed since the last one.
    void SyncClientSize();

    static void SetMainWindow(CWnd* pWnd);

  private:
    friend class WindowWidget;
    friend class MainFrameWidget;
    friend class DialogWidget;
    friend class StandardScrollBar;
    friend class WidgetLink;

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    StandardScrollBar* GetScrollBar(int nBar) const;
    void LayOutNonClient();
    CPoint GetClientOrigin() const;
    // Called by the client widget.
    void Paint(const QRegion& region);
    void OnWidgetDestroyed();

    QWidget* m_pWidget = nullptr;
    QWidget* m_pOuter = nullptr;
    std::unique_ptr<WidgetLink> m_pLink;
    CWnd* m_pParent = nullptr;
    DWORD m_dwStyle = 0;
    DWORD m_dwExStyle = 0;
    UINT m_nClassStyle = 0;
    UINT m_nID = 0;
    int m_nBorder = 0;
    std::unique_ptr<StandardScrollBar> m_pHorzBar;
    std::unique_ptr<StandardScrollBar> m_pVertBar;

    QImage m_surface;
    CSize m_sizeClient{-1, -1};
    QRegion m_rgnUpdate;
    bool m_bErasePending = true;
    bool m_bInPaint = false;
    bool m_bDestroying = false;
};

// The application's main window, null when there is none.
CWnd* AfxGetMainWnd();

// Registers a window class by its class styles (CS_DBLCLKS, CS_OWNDC,
// CS_HREDRAW, CS_VREDRAW) and returns its name for Create. The cursor, brush
// and icon are accepted and not used: windows erase to white and keep the
// cursor their handlers set.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                           const void* hbrBackground = nullptr, const void* hIcon = nullptr);

BOOL ReleaseCapture();
// The window at a screen point: the innermost window of ours there (a frame's
// caption counts as the frame), or null.
HWND WindowFromPoint(POINT point);
