#include "timeline/CastListFrame.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/CastList.h"
#include "platform/gdi/CClientDC.h"
#include "platform/gdi/SysColor.h"

#include <algorithm>

namespace {
CastMemberList GetCastMembers() {
    return GetSharedObjects()->GetObjectA("Cast List").As<CastList>("CastList")->GetCastMembers();
}
} // namespace

CastListFrame::CastListFrame(CastListFrame** ppSelf)
    : InputSourceWnd(ppSelf), m_nTileWidth(60), m_nTileHeight(56) {
    m_penOutline.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penShadow.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    m_penHighlight.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

CastListFrame::~CastListFrame() {
    m_penOutline.DeleteObject();
    m_penShadow.DeleteObject();
    m_penHighlight.DeleteObject();
    m_font.DeleteObject();
}

void* CastListFrame::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindMDIChildWndInterface(name))
        .Answer("VirtualDC", static_cast<VirtualDC*>(this))
        .Answer("CastListWindow", static_cast<CastListWindow*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("CastListFrame", this)
        .Answer("InputEventSource", static_cast<InputEventSource*>(this))
        .Result();
}

String CastListFrame::GetSharedName() {
    return "Cast List Window";
}

Pointer<CastMember> CastListFrame::GetCastMemberAt(int x, int y, int* index) {
    CRect client;
    GetClientRect(&client);
    if (x >= m_nTileWidth * m_nColumns || x <= 0 || y <= 0 || x >= client.right ||
        y >= client.bottom)
        return {};
    *index = (y / m_nTileHeight + m_nFirstLine) * m_nColumns + x / m_nTileWidth;
    const CastMemberList members = GetCastMembers();
    if (*index >= static_cast<int>(members.size()))
        return {};
    return members[static_cast<size_t>(*index)];
}

void CastListFrame::SetHotCastMember(Pointer<CastMember> member) {
    m_pHotMember = std::move(member);
}

void CastListFrame::SetDraggedCastMember(Pointer<CastMember> member) {
    m_pDraggedMember = std::move(member);
}

Pointer<CastMember> CastListFrame::GetHotCastMember() {
    return m_pHotMember;
}

Pointer<CastMember> CastListFrame::GetDraggedCastMember() {
    return m_pDraggedMember;
}

void CastListFrame::Redraw() {
    CRect client;
    GetClientRect(&client);
    m_memDC.FillSolidRect(&client, GetSysColor(COLOR_3DFACE));
    m_nColumns = client.right / m_nTileWidth;
    // Narrower than one tile: nothing else is drawn, and the window keeps
    // what it shows.
    if (m_nColumns == 0)
        return;

    const CastMemberList members = GetCastMembers();
    CPen* pOldPen = m_memDC.SelectObject(&m_penOutline);
    CFont* pOldFont = m_memDC.SelectObject(&m_font);
    // Tiles below the window are drawn too; the bitmap clips them.
    int column = 0;
    int line = 0;
    for (size_t i = static_cast<size_t>(m_nFirstLine) * static_cast<size_t>(m_nColumns);
         i < members.size(); ++i) {
        const int left = column * m_nTileWidth;
        const int top = line * m_nTileHeight;
        DrawTile(members[i], RECT{left, top, left + m_nTileWidth - 1, top + m_nTileHeight - 1});
        if (++column == m_nColumns) {
            column = 0;
            ++line;
        }
    }
    if (pOldPen)
        m_memDC.SelectObject(pOldPen);
    if (pOldFont)
        m_memDC.SelectObject(pOldFont);
    Invalidate(TRUE);
}

void CastListFrame::DrawTile(const Pointer<CastMember>& member, const RECT& tile) {
    if (member == m_pDraggedMember)
        m_memDC.FillSolidRect(&tile, GetSysColor(COLOR_BTNSHADOW));

    // The drop target of a drag is outlined in black; every other tile is sunken.
    const bool isDropTarget = m_pDraggedMember && member == m_pHotMember;
    m_memDC.SelectObject(isDropTarget ? &m_penOutline : &m_penShadow);
    m_memDC.MoveTo(tile.right, tile.top);
    m_memDC.LineTo(tile.left, tile.top);
    m_memDC.LineTo(tile.left, tile.bottom);
    m_memDC.SelectObject(isDropTarget ? &m_penOutline : &m_penHighlight);
    m_memDC.LineTo(tile.right, tile.bottom);
    m_memDC.LineTo(tile.right, tile.top);

    m_memDC.SetBkMode(TRANSPARENT);
    RECT nameArea = tile;
    m_memDC.DrawText(member->GetName(), -1, &nameArea,
                     DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);

    // The bottom strip of the tile is left to the name.
    RECT pictureArea{tile.left + 2, tile.top + 2, tile.right - 2, tile.bottom - 12};
    member->DrawThumbnail(&m_memDC, &m_scratchDC, pictureArea);
}

void CastListFrame::UpdateScrollBar() {
    if (m_nColumns == 0) {
        SetScrollRange(SB_VERT, 0, 0);
        return;
    }
    const int count = static_cast<int>(GetCastMembers().size());
    const int lines = (count + m_nColumns - 1) / m_nColumns;
    SetScrollPos(SB_VERT, 0);
    m_nFirstLine = 0;
    CRect client;
    GetClientRect(&client);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = client.bottom < m_nTileHeight * lines ? lines - 1 : 0;
    info.nPage = static_cast<UINT>(client.bottom / m_nTileHeight);
    SetScrollInfo(SB_VERT, &info, TRUE);
}

int CastListFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (MDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    GetSharedObjects()->AddObject(Pointer<SharedObject>(this));
    CreateMemoryDC();
    CClientDC clientDC(this);
    m_scratchDC.CreateCompatibleDC(&clientDC);
    AttachHandlers();
    m_nFirstLine = 0;
    return 0;
}

void CastListFrame::OnDestroy() {
    GetSharedObjects()->RemoveObject(Pointer<SharedObject>(this));
    MDIChildWnd::OnDestroy();
    DestroyMemoryDC(&m_scratchDC);
}

void CastListFrame::OnSize(UINT nType, int cx, int cy) {
    OffscreenFrame::OnSize(nType, cx, cy);
    UpdateScrollBar();
}

void CastListFrame::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    int minPos = 0;
    int maxPos = 0;
    GetScrollRange(SB_VERT, &minPos, &maxPos);
    int position = GetScrollPos(SB_VERT);
    bool moved = true;
    switch (nSBCode) {
    // A page scrolls by one line, as a line does.
    case SB_LINEUP:
    case SB_PAGEUP:
        position -= 1;
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        position += 1;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        position = static_cast<int>(nPos);
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = maxPos;
        break;
    default:
        moved = false;
        break;
    }
    if (moved) {
        position = std::max(minPos, std::min(position, maxPos));
        SetScrollPos(SB_VERT, position);
        m_nFirstLine = position;
    }
    Redraw();
    UpdateWindow();
    OffscreenFrame::OnVScroll(nSBCode, nPos, pScrollBar);
}
