#pragma once

// The host as the module's windows find it: a main window with an MDI area on
// screen and the model's player published as a fake; and what a test needs to
// size the windows it opens and to look at them.

#include "FakeModel.h"

#include "platform/CMDIFrameWnd.h"

#include <QImage>

#include <gtest/gtest.h>

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    // Destroys the main window and withdraws every shared object.
    void TearDown() override;

    static void SetClientSize(CWnd* window, int width, int height);
    // What the window shows, after any pending paint.
    static QImage Picture(CWnd* window);
    static COLORREF ColourOf(const QImage& picture, int x, int y);

    CMDIFrameWnd* m_pMainWnd = nullptr;
    Pointer<FakePlayer> m_pPlayer;
};
