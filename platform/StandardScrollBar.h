#pragma once

#include "platform/WinTypes.h"

#include <QObject>
#include <QPointer>

class CWnd;
class QScrollBar;
class QWidget;

// One of a window's standard scroll bars: a Qt scroll bar beside the client
// area that keeps the Windows scroll state (range, page, position) and, like
// a Windows scroll bar, never moves by itself: a user action becomes
// WM_HSCROLL or WM_VSCROLL with an SB_* code, and the thumb shows the position
// that the window sets. While the thumb is dragged it follows the mouse
// (SB_THUMBTRACK with the thumb position); on release it returns to the set
// position after SB_THUMBPOSITION and SB_ENDSCROLL.
class StandardScrollBar : public QObject {
  public:
    // The width of a vertical bar, the height of a horizontal one.
    static constexpr int kThickness = 16;

    StandardScrollBar(CWnd* pWnd, QWidget* parent, int nBar);
    ~StandardScrollBar() override;

    // Whether the bar takes room: hidden when the range leaves nothing to
    // scroll, unless SIF_DISABLENOSCROLL asked for a disabled bar.
    bool IsShown() const { return m_bShown; }
    void SetGeometry(int x, int y, int width, int height);

    // Returns the previous position.
    int SetPos(int nPos);
    void SetRange(int nMin, int nMax);
    void SetInfo(const SCROLLINFO& info);
    void GetInfo(SCROLLINFO& info, UINT nMask) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int ClampPos(int nPos) const;
    void Apply();
    void OnAction(int action);
    void Send(int nCode, int nPos);

    CWnd* m_pWnd;
    int m_nBar;
    QPointer<QScrollBar> m_pBar;
    SCROLLINFO m_info{sizeof(SCROLLINFO), 0, 0, 100, 0, 0, 0};
    bool m_bDisableNoScroll = false;
    bool m_bShown = true;
    bool m_bApplying = false;
};
