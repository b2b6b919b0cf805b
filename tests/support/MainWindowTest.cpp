#include "MainWindowTest.h"

#include "framework/SharedObjects.h"

#include <QApplication>

void MainWindowTest::SetUp() {
    m_pMainWnd = new CMDIFrameWnd;
    ASSERT_TRUE(m_pMainWnd->LoadFrame(100));
    m_pMainWnd->MoveWindow(0, 0, 1400, 1000);
    m_pMainWnd->ShowWindow(SW_SHOW);
    // The host's message loop has run before anyone opens a window: the main
    // window is on screen, so that windows paint at once when told to.
    QApplication::processEvents();
    m_pPlayer = new FakePlayer;
    GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pPlayer));
}

void MainWindowTest::TearDown() {
    m_pMainWnd->DestroyWindow(); // the frame deletes itself
    GetSharedObjects()->RemoveAll();
}

void MainWindowTest::SetClientSize(CWnd* window, int width, int height) {
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

QImage MainWindowTest::Picture(CWnd* window) {
    window->UpdateWindow();
    return window->GetSurface().copy();
}

COLORREF MainWindowTest::ColourOf(const QImage& picture, int x, int y) {
    QRgb pixel = picture.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
