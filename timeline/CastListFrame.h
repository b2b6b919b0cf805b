#pragma once

#include "core/InputSourceWnd.h"
#include "timeline/CastListWindow.h"
#include "timeline/OffscreenFrame.h"

#include "framework/SharedObject.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

class CScrollBar;

// The cast list window: the project's cast members as tiles of picture and
// name in reading order, drawn off screen. Drags onto the time line start
// here; its mouse and keys go to the attached input handlers, which reach it
// through "CastListWindow" (published as "Cast List Window" while the window
// exists).
class CastListFrame : public InputSourceWnd<OffscreenFrame>,
                      public CastListWindow,
                      public SharedObject {
  public:
    // ppSelf is the owner's pointer to this window (MDIChildWnd).
    explicit CastListFrame(CastListFrame** ppSelf);
    ~CastListFrame() override;

    void* FindInterface(const char* name) override;

    void Redraw() override;

    Pointer<CastMember> GetCastMemberAt(int x, int y, int* index) override;
    void SetHotCastMember(Pointer<CastMember> member) override;
    void SetDraggedCastMember(Pointer<CastMember> member) override;
    Pointer<CastMember> GetHotCastMember() override;
    Pointer<CastMember> GetDraggedCastMember() override;

    String GetSharedName() override;

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    // Also sets the scroll bar to the new number of lines.
    void OnSize(UINT nType, int cx, int cy) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;

  private:
    void DrawTile(const Pointer<CastMember>& member, const RECT& tile);
    void UpdateScrollBar();

    int m_nTileWidth;
    int m_nTileHeight;
    int m_nColumns = 0;
    int m_nFirstLine = 0;
    Pointer<CastMember> m_pDraggedMember;
    Pointer<CastMember> m_pHotMember;
    CPen m_penOutline;
    CPen m_penShadow;
    CPen m_penHighlight;
    CFont m_font;
    CDC m_scratchDC;
};
