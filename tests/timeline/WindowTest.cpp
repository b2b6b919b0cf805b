#include "WindowTest.h"

#include "framework/SharedObjects.h"

#include <QApplication>

void WindowTest::SetUp() {
    m_pMainWnd = new CMDIFrameWnd;
    ASSERT_TRUE(m_pMainWnd->LoadFrame(100));
    m_pMainWnd->MoveWindow(0, 0, 1400, 1000);
    m_pMainWnd->ShowWindow(SW_SHOW);
    // The host's message loop has run before anyone opens a window: the main
    // window is on screen, so that windows paint at once when told to.
    QApplication::processEvents();

    m_pTimeLineModel = new FakeTimeLine;
    m_pPlayer = new FakePlayer;
    m_pCast = new FakeCastList;
    GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pTimeLineModel));
    GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pPlayer));
    GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pCast));
}

void WindowTest::TearDown() {
    if (m_pTimeLine)
        m_pTimeLine->DestroyWindow();
    if (m_pCastList)
        m_pCastList->DestroyWindow();
    m_pMainWnd->DestroyWindow(); // the frame deletes itself
    GetSharedObjects()->RemoveAll();
}

TimeLineFrame* WindowTest::OpenTimeLine(int width, int height) {
    m_pTimeLine = new TimeLineFrame(&m_pTimeLine);
    EXPECT_TRUE(m_pTimeLine->LoadFrame(105, 0x06FF0000, m_pMainWnd));
    m_pTimeLine->SetTitle("Time Line");
    m_pTimeLine->Redraw();
    m_pTimeLine->ShowWindow(SW_RESTORE);
    m_pTimeLine->ActivateFrame();
    SetClientSize(m_pTimeLine, width, height);
    return m_pTimeLine;
}

CastListFrame* WindowTest::OpenCastList(int width, int height) {
    m_pCastList = new CastListFrame(&m_pCastList);
    EXPECT_TRUE(m_pCastList->LoadFrame(104, 0x06EF0000, m_pMainWnd));
    m_pCastList->SetTitle("Cast List");
    m_pCastList->Redraw();
    m_pCastList->ShowWindow(SW_RESTORE);
    m_pCastList->ActivateFrame();
    SetClientSize(m_pCastList, width, height);
    return m_pCastList;
}

void WindowTest::SetClientSize(CWnd* window, int width, int height) {
    // Scroll bars that come or go change the client area: settle in a few steps.
    for (int attempt = 0; attempt < 3; ++attempt) {
        CRect client;
        window->GetClientRect(&client);
        if (client.Width() == width && client.Height() == height)
            return;
        CRect outer;
        window->GetWindowRect(&outer);
        window->GetParent()->ScreenToClient(&outer);
        window->MoveWindow(outer.left, outer.top, outer.Width() + width - client.Width(),
                           outer.Height() + height - client.Height());
    }
}

QImage WindowTest::Picture(CWnd* window) {
    window->UpdateWindow();
    return window->GetSurface().copy();
}

COLORREF WindowTest::ColourOf(const QImage& picture, int x, int y) {
    QRgb pixel = picture.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
