#pragma once

#include "core/InputSourceWnd.h"
#include "timeline/OffscreenFrame.h"
#include "timeline/TimeLineWindow.h"

#include "framework/SharedObject.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

class CScrollBar;
class Instance;

// The time line window: rows of instances over numbered frames, drawn off
// screen. It edits nothing itself; its mouse and keys go to the attached
// input handlers, which reach it through "TimeLineWindow" (published as
// "Time Line Window" while the window exists).
class TimeLineFrame : public InputSourceWnd<OffscreenFrame>,
                      public TimeLineWindow,
                      public SharedObject {
  public:
    // ppSelf is the owner's pointer to this window (MDIChildWnd).
    explicit TimeLineFrame(TimeLineFrame** ppSelf);
    ~TimeLineFrame() override;

    void* FindInterface(const char* name) override;

    bool PointToCell(int x, int y, int& row, int& frame) override;
    void SetSelection(int firstFrame, int firstRow, int lastFrame, int lastRow) override;
    void ClearSelection() override;
    Pointer<KeyFrame> GetSelectedKeyFrame() override;
    void SetSelectedKeyFrame(Pointer<KeyFrame> keyFrame) override;

    void Redraw() override;

    String GetSharedName() override;

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;

  private:
    // Each returns the last frame or row it drew: one before the first when
    // none fits.
    int DrawFrameNumbers(int width, int height);
    int DrawRowNumbers(int width, int height);
    void DrawInstances(int lastRow, int lastFrame);
    void DrawKeyFrameMarkers(Pointer<Instance> instance, int start, int stop, int top);
    void DrawSelectionBlock();
    void DrawPlayHead(int width, int height);

    int m_nSelFirstFrame = 0;
    int m_nSelFirstRow = 0;
    int m_nSelLastFrame = -1;
    int m_nSelLastRow = -1;
    int m_nFirstRow = 1;
    int m_nFirstFrame = 1;
    int m_nHeaderWidth;
    int m_nHeaderHeight;
    int m_nFrameWidth;
    int m_nRowHeight;
    CPen m_penPlayHead;
    CPen m_penGrid;
    CPen m_penShadow;
    CPen m_penHighlight;
    CPen m_penOutline;
    CPen m_penSelection;
    CPen m_penInstance;
    CFont m_font;
    Pointer<KeyFrame> m_pSelectedKeyFrame;
};
