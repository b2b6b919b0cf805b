#pragma once

// The host with the time line and cast list models as fakes, and the two
// windows opened as the View menu opens them.

#include "MainWindowTest.h"

#include "timeline/CastListFrame.h"
#include "timeline/TimeLineFrame.h"

#include "framework/SharedObjects.h"

class WindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pTimeLineModel));
        GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pCast));
    }
    void TearDown() override {
        if (m_pTimeLine)
            m_pTimeLine->DestroyWindow();
        if (m_pCastList)
            m_pCastList->DestroyWindow();
        MainWindowTest::TearDown();
    }

    // Opened with the View menu's resource, style and title, then given the
    // client size asked for.
    TimeLineFrame* OpenTimeLine(int width, int height) {
        return Open(m_pTimeLine, 105, 0x06FF0000, "Time Line", width, height);
    }
    CastListFrame* OpenCastList(int width, int height) {
        return Open(m_pCastList, 104, 0x06EF0000, "Cast List", width, height);
    }
    static COLORREF PixelAt(CWnd* window, int x, int y) { return ColourOf(Picture(window), x, y); }

    TimeLineFrame* m_pTimeLine = nullptr; // emptied by the window when it closes
    CastListFrame* m_pCastList = nullptr;
    Pointer<FakeTimeLine> m_pTimeLineModel = new FakeTimeLine;
    Pointer<FakeCastList> m_pCast = new FakeCastList;

  private:
    template <class Frame>
    Frame* Open(Frame*& field, UINT resource, DWORD style, const char* title, int width,
                int height) {
        field = new Frame(&field);
        EXPECT_TRUE(field->LoadFrame(resource, style, m_pMainWnd));
        field->SetTitle(title);
        field->Redraw();
        field->ShowWindow(SW_RESTORE);
        field->ActivateFrame();
        SetClientSize(field, width, height);
        return field;
    }
};
