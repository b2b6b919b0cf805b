#include "platform/StandardScrollBar.h"

#include "platform/CWnd.h"

#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

StandardScrollBar::StandardScrollBar(CWnd* pWnd, QWidget* parent, int nBar)
    : m_pWnd(pWnd), m_nBar(nBar),
      m_pBar(new QScrollBar(nBar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, parent)) {
    m_pBar->setFocusPolicy(Qt::NoFocus);
    m_pBar->setSingleStep(1);
    m_pBar->installEventFilter(this);
    connect(m_pBar, &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnAction(action); });
    // A released thumb goes back to the position the window set.
    connect(m_pBar, &QAbstractSlider::sliderReleased, this, [this] { Apply(); });
    Apply();
}

StandardScrollBar::~StandardScrollBar() = default;

void StandardScrollBar::SetGeometry(int x, int y, int width, int height) {
    if (!m_pBar)
        return;
    m_pBar->setGeometry(x, y, width, height);
    m_pBar->setVisible(m_bShown);
}

int StandardScrollBar::ClampPos(int nPos) const {
    int nLast = m_info.nMax - std::max(static_cast<int>(m_info.nPage) - 1, 0);
    return std::clamp(nPos, m_info.nMin, std::max(m_info.nMin, nLast));
}

int StandardScrollBar::SetPos(int nPos) {
    int nOld = m_info.nPos;
    m_info.nPos = ClampPos(nPos);
    Apply();
    return nOld;
}

void StandardScrollBar::SetRange(int nMin, int nMax) {
    m_info.nMin = nMin;
    m_info.nMax = nMax;
    m_bDisableNoScroll = false;
    m_info.nPos = ClampPos(m_info.nPos);
    Apply();
}

void StandardScrollBar::SetInfo(const SCROLLINFO& info) {
    if (info.fMask & SIF_RANGE) {
        m_info.nMin = info.nMin;
        m_info.nMax = info.nMax;
    }
    if (info.fMask & SIF_PAGE)
        m_info.nPage = info.nPage;
    if (info.fMask & SIF_POS)
        m_info.nPos = info.nPos;
    m_bDisableNoScroll = (info.fMask & SIF_DISABLENOSCROLL) != 0;
    m_info.nPos = ClampPos(m_info.nPos);
    Apply();
}

void StandardScrollBar::GetInfo(SCROLLINFO& info, UINT nMask) const {
    if (nMask & SIF_RANGE) {
        info.nMin = m_info.nMin;
        info.nMax = m_info.nMax;
    }
    if (nMask & SIF_PAGE)
        info.nPage = m_info.nPage;
    if (nMask & SIF_POS)
        info.nPos = m_info.nPos;
    if (nMask & SIF_TRACKPOS)
        info.nTrackPos = m_info.nTrackPos;
}

// Shows the Windows state on the Qt bar. A range that leaves nothing to scroll
// hides the bar, which changes the window's client size.
void StandardScrollBar::Apply() {
    if (!m_pBar)
        return;
    int nRange = m_info.nMax - m_info.nMin;
    bool bScrollable = nRange > 0 && static_cast<int>(m_info.nPage) <= nRange;
    bool bShown = bScrollable || m_bDisableNoScroll;
    {
        QSignalBlocker blocker(m_pBar);
        m_bApplying = true;
        m_pBar->setRange(m_info.nMin, ClampPos(m_info.nMax));
        m_pBar->setPageStep(m_info.nPage > 0 ? static_cast<int>(m_info.nPage) : 10);
        if (!m_pBar->isSliderDown())
            m_pBar->setValue(m_info.nPos);
        m_pBar->setEnabled(bScrollable);
        m_bApplying = false;
    }
    if (bShown != m_bShown) {
        m_bShown = bShown;
        m_pBar->setVisible(bShown);
        m_pWnd->LayOutNonClient();
        m_pWnd->SyncClientSize();
    }
}

void StandardScrollBar::OnAction(int action) {
    if (m_bApplying || !m_pBar)
        return;
    int nCode = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        nCode = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        nCode = SB_LINEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        nCode = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        nCode = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderToMinimum:
        nCode = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        nCode = SB_BOTTOM;
        break;
    case QAbstractSlider::SliderMove:
        if (m_pBar->isSliderDown())
            nCode = SB_THUMBTRACK;
        break;
    default:
        break;
    }
    if (nCode == SB_THUMBTRACK) {
        // The thumb follows the mouse while it is dragged.
        m_info.nTrackPos = m_pBar->sliderPosition();
        Send(SB_THUMBTRACK, m_info.nTrackPos);
        return;
    }
    QPointer<StandardScrollBar> self(this);
    if (nCode >= 0)
        Send(nCode, 0);
    // The bar moves only where the window puts it.
    if (self && m_pBar)
        m_pBar->setSliderPosition(m_info.nPos);
}

void StandardScrollBar::Send(int nCode, int nPos) {
    m_pWnd->SendMessage(m_nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL,
                        MAKEWPARAM(static_cast<WORD>(nCode), static_cast<WORD>(nPos)), 0);
}

bool StandardScrollBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pBar && event->type() == QEvent::MouseButtonRelease) {
        QPointer<StandardScrollBar> self(this);
        if (m_pBar->isSliderDown())
            Send(SB_THUMBPOSITION, m_info.nTrackPos);
        if (self)
            Send(SB_ENDSCROLL, 0);
    }
    return false;
}
