#pragma once

// The host with the time line and cast list models as fakes, and the two
// windows opened as the View menu opens them.

#include "MainWindowTest.h"

#include "timeline/CastListFrame.h"
#include "timeline/TimeLineFrame.h"

class WindowTest : public MainWindowTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opened with the View menu's resource, style and title, then given the
    // client size asked for.
    TimeLineFrame* OpenTimeLine(int width, int height);
    CastListFrame* OpenCastList(int width, int height);
    static COLORREF PixelAt(CWnd* window, int x, int y) { return ColourOf(Picture(window), x, y); }

    TimeLineFrame* m_pTimeLine = nullptr; // emptied by the window when it closes
    CastListFrame* m_pCastList = nullptr;
    Pointer<FakeTimeLine> m_pTimeLineModel;
    Pointer<FakeCastList> m_pCast;
};
