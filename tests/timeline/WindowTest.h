#pragma once

// A main window with an MDI area, the model's shared objects as fakes, and the
// two windows opened as the View menu opens them.

#include "FakeModel.h"

#include "timeline/CastListFrame.h"
#include "timeline/TimeLineFrame.h"

#include "platform/MDIFrameWnd.h"

#include <QImage>

#include <gtest/gtest.h>

class WindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opened with the View menu's resource, style and title, then given the
    // client size asked for.
    TimeLineFrame* OpenTimeLine(int width, int height);
    CastListFrame* OpenCastList(int width, int height);
    static void SetClientSize(CWnd* window, int width, int height);
    // What the window shows, after any pending paint.
    static QImage Picture(CWnd* window);
    static COLORREF ColourOf(const QImage& picture, int x, int y);
    static COLORREF PixelAt(CWnd* window, int x, int y) { return ColourOf(Picture(window), x, y); }

    CMDIFrameWnd* m_pMainWnd = nullptr;
    TimeLineFrame* m_pTimeLine = nullptr; // emptied by the window when it closes
    CastListFrame* m_pCastList = nullptr;
    Pointer<FakeTimeLine> m_pTimeLineModel;
    Pointer<FakePlayer> m_pPlayer;
    Pointer<FakeCastList> m_pCast;
};
