#include "timeline/TimeLineFrame.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/AllowsKeyFrames.h"
#include "host/Instance.h"
#include "host/Player.h"
#include "host/TimeLine.h"
#include "platform/gdi/SysColor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
// The scroll bars show no position: their thumb always springs back to the
// middle, and every scroll code moves the first row or frame from where it is.
constexpr int kScrollMin = 1;
constexpr int kScrollMax = 100;
constexpr int kScrollMiddle = 50;

int ScrolledFirst(int first, UINT nSBCode, UINT nPos) {
    switch (nSBCode) {
    case SB_LINEUP:
        first -= 1;
        break;
    case SB_LINEDOWN:
        first += 1;
        break;
    case SB_PAGEUP:
        first -= 10;
        break;
    case SB_PAGEDOWN:
        first += 10;
        break;
    // Holding the thumb away from the middle keeps scrolling, once per
    // tracking message.
    case SB_THUMBTRACK:
        first += static_cast<int>(nPos) - kScrollMiddle;
        break;
    case SB_TOP:
        first = 1;
        break;
    case SB_BOTTOM:
        first += 50;
        break;
    default:
        break;
    }
    return std::max(first, 1);
}

int ReadFrameProperty(Pointer<Instance> instance, const char* name) {
    String value;
    if (Pointer<HasProperties> properties = instance.As<HasProperties>("HasProperties"))
        properties->GetPropertyValue(name, value);
    return std::atoi(value);
}

COLORREF HalfwayToWhite(COLORREF colour) {
    return RGB((GetRValue(colour) + 255) / 2, (GetGValue(colour) + 255) / 2,
               (GetBValue(colour) + 255) / 2);
}
} // namespace

TimeLineFrame::TimeLineFrame(TimeLineFrame** ppSelf)
    : InputSourceWnd(ppSelf), m_nHeaderWidth(30), m_nHeaderHeight(20), m_nFrameWidth(12),
      m_nRowHeight(18) {
    m_penPlayHead.CreatePen(PS_DOT, 1, RGB(255, 0, 0));
    m_penGrid.CreatePen(PS_SOLID, 1, HalfwayToWhite(GetSysColor(COLOR_3DFACE)));
    m_penShadow.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    m_penHighlight.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    m_penOutline.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penSelection.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    m_penInstance.CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

TimeLineFrame::~TimeLineFrame() {
    m_penPlayHead.DeleteObject();
    m_penGrid.DeleteObject();
    m_penShadow.DeleteObject();
    m_penHighlight.DeleteObject();
    m_penOutline.DeleteObject();
    m_penSelection.DeleteObject();
    m_penInstance.DeleteObject();
    m_font.DeleteObject();
}

void* TimeLineFrame::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindMDIChildWndInterface(name))
        .Answer("TimeLineWindow", static_cast<TimeLineWindow*>(this))
        .Answer("VirtualDC", static_cast<VirtualDC*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("TimeLineFrame", this)
        .Answer("InputEventSource", static_cast<InputEventSource*>(this))
        .Result();
}

bool TimeLineFrame::PointToCell(int x, int y, int& row, int& frame) {
    CRect client;
    GetClientRect(&client);
    // The first pixel column and row of the grid belong to the header edges.
    if (x <= m_nHeaderWidth || y <= m_nHeaderHeight || x >= client.right || y >= client.bottom)
        return false;
    frame = (x - m_nHeaderWidth) / m_nFrameWidth + m_nFirstFrame;
    row = (y - m_nHeaderHeight) / m_nRowHeight + m_nFirstRow;
    return true;
}

void TimeLineFrame::SetSelection(int firstFrame, int firstRow, int lastFrame, int lastRow) {
    m_nSelFirstFrame = firstFrame;
    m_nSelFirstRow = firstRow;
    m_nSelLastFrame = lastFrame;
    m_nSelLastRow = lastRow;
}

void TimeLineFrame::ClearSelection() {
    SetSelection(0, 0, -1, -1);
}

Pointer<KeyFrame> TimeLineFrame::GetSelectedKeyFrame() {
    return m_pSelectedKeyFrame;
}

void TimeLineFrame::SetSelectedKeyFrame(Pointer<KeyFrame> keyFrame) {
    m_pSelectedKeyFrame = std::move(keyFrame);
}

String TimeLineFrame::GetSharedName() {
    return "Time Line Window";
}

void TimeLineFrame::Redraw() {
    CRect client;
    GetClientRect(&client);
    const int width = client.right;
    const int height = client.bottom;

    m_memDC.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_WINDOW));
    m_memDC.FillSolidRect(0, 0, width, m_nHeaderHeight, GetSysColor(COLOR_3DFACE));
    m_memDC.FillSolidRect(0, 0, m_nHeaderWidth, height, GetSysColor(COLOR_3DFACE));
    m_memDC.FillSolidRect(0, 0, m_nHeaderWidth, m_nHeaderHeight, GetSysColor(COLOR_BTNSHADOW));

    CPen* pOldPen = m_memDC.SelectObject(&m_penShadow);
    CFont* pOldFont = m_memDC.SelectObject(&m_font);
    m_memDC.SetBkColor(GetSysColor(COLOR_3DFACE));

    const int lastFrame = DrawFrameNumbers(width, height);
    const int lastRow = DrawRowNumbers(width, height);
    // When no column fits, no row is asked for either.
    if (lastFrame >= m_nFirstFrame)
        DrawInstances(lastRow, lastFrame);
    DrawSelectionBlock();
    DrawPlayHead(width, height);

    if (pOldPen)
        m_memDC.SelectObject(pOldPen);
    if (pOldFont)
        m_memDC.SelectObject(pOldFont);
    Invalidate(TRUE);
}

int TimeLineFrame::DrawFrameNumbers(int width, int height) {
    const int right = m_nFrameWidth - 1;
    int f = m_nFirstFrame;
    for (int x = m_nHeaderWidth; x < width; x += m_nFrameWidth, ++f) {
        // A raised button per frame number.
        m_memDC.SelectObject(&m_penShadow);
        m_memDC.MoveTo(x + right, 0);
        m_memDC.LineTo(x + right, m_nHeaderHeight);
        m_memDC.LineTo(x, m_nHeaderHeight);
        m_memDC.SelectObject(&m_penHighlight);
        m_memDC.LineTo(x, 0);
        m_memDC.LineTo(x + right, 0);

        // Every multiple of 5 is framed by two darker grid lines.
        m_memDC.SelectObject(f % 5 == 0 || f % 5 == 4 ? &m_penShadow : &m_penGrid);
        m_memDC.MoveTo(x + right, m_nHeaderHeight);
        m_memDC.LineTo(x + right, height);

        if (f % 5 == 0 || f == 1) {
            char text[16];
            std::snprintf(text, sizeof text, "%d", f);
            // Unclipped and right-aligned: wide numbers reach to the left.
            RECT cell{x, 1, x + right, m_nHeaderHeight - 1};
            m_memDC.DrawText(text, -1, &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        }
    }
    return f - 1;
}

int TimeLineFrame::DrawRowNumbers(int width, int height) {
    const int bottom = m_nRowHeight - 1;
    int r = m_nFirstRow;
    for (int y = m_nHeaderHeight; y < height; y += m_nRowHeight, ++r) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", r);
        RECT cell{0, y, m_nHeaderWidth - 1, y + bottom};
        m_memDC.DrawText(text, -1, &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);

        m_memDC.SelectObject(&m_penShadow);
        m_memDC.MoveTo(0, y + bottom);
        m_memDC.LineTo(m_nHeaderWidth - 1, y + bottom);
        m_memDC.LineTo(m_nHeaderWidth - 1, y);
        m_memDC.SelectObject(&m_penHighlight);
        m_memDC.LineTo(0, y);
        m_memDC.LineTo(0, y + bottom);

        m_memDC.SelectObject(&m_penGrid);
        m_memDC.MoveTo(m_nHeaderWidth, y + bottom);
        m_memDC.LineTo(width, y + bottom);
    }
    return r - 1;
}

void TimeLineFrame::DrawInstances(int lastRow, int lastFrame) {
    Pointer<TimeLine> timeLine =
        GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
    for (int r = m_nFirstRow; r <= lastRow; ++r) {
        const InstanceList instances = timeLine->GetInstances(r, m_nFirstFrame, lastFrame);
        const int top = m_nHeaderHeight + (r - m_nFirstRow) * m_nRowHeight;
        const int bottom = top + m_nRowHeight;
        for (const Pointer<Instance>& instance : instances) {
            const int start = ReadFrameProperty(instance, "FrameStart");
            const int stop = ReadFrameProperty(instance, "FrameStop");
            const int left =
                m_nHeaderWidth + (std::max(start, m_nFirstFrame) - m_nFirstFrame) * m_nFrameWidth;
            const int right = m_nHeaderWidth + (stop - m_nFirstFrame + 1) * m_nFrameWidth;
            const bool isSelected = instance == timeLine->GetSelectedInstance();

            m_memDC.FillSolidRect(left, top, right - left, bottom - top,
                                  isSelected ? RGB(192, 192, 255) : RGB(128, 128, 255));
            const COLORREF endCell = isSelected ? RGB(128, 128, 255) : RGB(64, 64, 255);
            // A bar that starts out of view shows no start cell.
            if (start >= m_nFirstFrame)
                m_memDC.FillSolidRect(left, top, m_nFrameWidth, m_nRowHeight, endCell);
            m_memDC.FillSolidRect(right - m_nFrameWidth, top, m_nFrameWidth, m_nRowHeight, endCell);

            m_memDC.SelectObject(&m_penOutline);
            DrawKeyFrameMarkers(instance, start, stop, top);

            m_memDC.SelectObject(&m_penInstance);
            if (left > m_nHeaderWidth) {
                m_memDC.MoveTo(left, top);
                m_memDC.LineTo(left, bottom - 1);
            } else {
                m_memDC.MoveTo(left, bottom - 1);
            }
            m_memDC.LineTo(right - 1, bottom - 1);
            m_memDC.LineTo(right - 1, top);
            m_memDC.LineTo(left, top);
        }
    }
}

void TimeLineFrame::DrawKeyFrameMarkers(Pointer<Instance> instance, int start, int stop, int top) {
    Pointer<AllowsKeyFrames> keyFrames = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (!keyFrames)
        return;
    for (int n = 1;;) {
        Pointer<KeyFrame> keyFrame = keyFrames->GetNextKeyFrame(n);
        if (!keyFrame)
            break;
        const int absolute = start + keyFrame->frame - 1;
        // A key frame on the instance's last frame has no marker.
        if (m_nFirstFrame <= absolute && absolute < stop) {
            const int cellLeft = m_nHeaderWidth + (start - m_nFirstFrame) * m_nFrameWidth +
                                 (keyFrame->frame - 1) * m_nFrameWidth;
            const int l = cellLeft + m_nFrameWidth / 4;
            const int t = top + m_nRowHeight / 4;
            const int r = cellLeft + m_nFrameWidth - m_nFrameWidth / 4;
            const int b = top + m_nRowHeight - m_nRowHeight / 4;
            if (keyFrame == m_pSelectedKeyFrame) {
                m_memDC.FillSolidRect(l, t, r - l, b - t, RGB(0, 0, 0));
            } else {
                m_memDC.FillSolidRect(l, t, r - l, b - t, RGB(255, 255, 255));
                m_memDC.MoveTo(l, t);
                m_memDC.LineTo(l, b - 1);
                m_memDC.LineTo(r - 1, b - 1);
                m_memDC.LineTo(r - 1, t);
                m_memDC.LineTo(l, t);
            }
        }
        n = keyFrame->frame + 1;
    }
}

void TimeLineFrame::DrawSelectionBlock() {
    if (m_nSelFirstFrame > m_nSelLastFrame || m_nSelFirstRow > m_nSelLastRow)
        return;
    int x0 = m_nHeaderWidth + (m_nSelFirstFrame - m_nFirstFrame) * m_nFrameWidth;
    int x1 = m_nHeaderWidth + (m_nSelLastFrame - m_nFirstFrame + 1) * m_nFrameWidth;
    const int y0 = m_nHeaderHeight + (m_nSelFirstRow - m_nFirstRow) * m_nRowHeight;
    const int y1 = m_nHeaderHeight + (m_nSelLastRow - m_nFirstRow + 1) * m_nRowHeight;
    m_memDC.SelectObject(&m_penSelection);
    if (x0 >= m_nHeaderWidth) {
        m_memDC.MoveTo(x0, y0);
        m_memDC.LineTo(x0, y1 - 1);
    } else {
        // The block runs out of view to the left: no left edge.
        x0 = m_nHeaderWidth;
        if (x1 <= m_nHeaderWidth)
            x1 = m_nHeaderWidth + 1;
        m_memDC.MoveTo(x0, y1 - 1);
    }
    m_memDC.LineTo(x1 - 1, y1 - 1);
    m_memDC.LineTo(x1 - 1, y0);
    m_memDC.LineTo(x0, y0);
}

void TimeLineFrame::DrawPlayHead(int width, int height) {
    Pointer<Player> player = GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
    const int x = m_nHeaderWidth + (player->GetCurrentFrame() - m_nFirstFrame) * m_nFrameWidth;
    if (x < m_nHeaderWidth || x >= width)
        return;
    m_memDC.SelectObject(&m_penPlayHead);
    m_memDC.SetBkMode(TRANSPARENT);
    m_memDC.MoveTo(x, 0);
    m_memDC.LineTo(x, m_nHeaderHeight);
    m_memDC.LineTo(x + m_nFrameWidth, m_nHeaderHeight);
    m_memDC.LineTo(x + m_nFrameWidth, 0);
    m_memDC.LineTo(x, 0);
    m_memDC.MoveTo(x + m_nFrameWidth / 2, 0);
    m_memDC.LineTo(x + m_nFrameWidth / 2, height);
}

int TimeLineFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (MDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    GetSharedObjects()->AddObject(Pointer<SharedObject>(this));
    m_nFirstRow = 1;
    m_nFirstFrame = 1;
    for (int bar : {SB_HORZ, SB_VERT}) {
        SetScrollRange(bar, kScrollMin, kScrollMax);
        SetScrollPos(bar, kScrollMiddle);
    }
    CreateMemoryDC();
    ClearSelection();
    AttachHandlers();
    return 0;
}

void TimeLineFrame::OnDestroy() {
    GetSharedObjects()->RemoveObject(Pointer<SharedObject>(this));
    MDIChildWnd::OnDestroy();
    DestroyMemoryDC();
}

void TimeLineFrame::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    m_nFirstFrame = ScrolledFirst(m_nFirstFrame, nSBCode, nPos);
    Redraw();
    UpdateWindow();
    OffscreenFrame::OnHScroll(nSBCode, nPos, pScrollBar);
}

void TimeLineFrame::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    m_nFirstRow = ScrolledFirst(m_nFirstRow, nSBCode, nPos);
    Redraw();
    UpdateWindow();
    OffscreenFrame::OnVScroll(nSBCode, nPos, pScrollBar);
}
