#include "ViewTest.h"

#include "core/MDIChildRegistry.h"
#include "core/ModuleExports.h"

#include "framework/Debugger.h"
#include "platform/gdi/SysColor.h"

#include <gmock/gmock.h>

using OGLFrameTest = ViewTest;

TEST_F(OGLFrameTest, CameraViewKeepsFourToThreeInsideABlackTenPixelMarginOthersFillTheFrame) {
    m_pPlayer->AddBox({0, 0, 0}, 1.0f, 0, 1, 0);
    const std::tuple<const char*, int, int, CRect> cases[] = {
        // 820 / 4 = 205 > 500 / 3 = 166: the height limits.
        {"CameraView", 820, 500, CRect(90, 10, 90 + 640, 10 + 480)},
        {"CameraView", 420, 600, CRect(10, 150, 10 + 400, 150 + 300)},
        // 403 / 4 = 100 = 301 / 3: not greater, so the width limits; 383 * 3 / 4 = 287.
        {"CameraView", 403, 301, CRect(10, 7, 10 + 383, 7 + 287)},
        {"TopView", 500, 300, CRect(0, 0, 500, 300)},
        {"FrontView", 350, 420, CRect(0, 0, 350, 420)},
        {"SideView", 500, 300, CRect(0, 0, 500, 300)},
    };
    for (const auto& [className, width, height, view] : cases) {
        // Grown from a frame too small for the margin, where it picked nothing.
        OGLFrame* frame = OpenView(className, 12, 8);
        EXPECT_FALSE(ViewOf(frame)->Pick(CPoint(0, 0)));
        SetClientSize(frame, width, height);
        EXPECT_EQ(ViewRectInFrame(frame), view) << className;
        if (view.left > 0) { // the margin
            EXPECT_EQ(ColourOf(Picture(frame), 5, 5), RGB(0, 0, 0)) << className;
            EXPECT_EQ(ColourOf(Picture(frame), width - 5, height - 5), RGB(0, 0, 0)) << className;
        }
        EXPECT_EQ(ColourOf(Picture(frame->GetView()), view.Width() / 2, view.Height() / 2),
                  RGB(0, 255, 0))
            << className;
    }
}

TEST_F(OGLFrameTest, AFrameWhoseClassIsNoViewStaysOpenAndSaysSo) {
    TVK::GetDebugger()->ClearLines();
    // An unknown class, and a registered class that is no view.
    for (const char* className : {"NoSuchView", "RecordingHandler"}) {
        OGLFrame* frame = OpenView(className, 400, 200);
        ASSERT_EQ(m_frames.back(), frame);
        EXPECT_EQ(frame->GetView(), nullptr) << className;
        frame->UpdateView(); // nothing to repaint, and no harm

        // The window colour, and "OpenGL services unavailable" on a line across the middle.
        QImage picture = Picture(frame);
        EXPECT_EQ(ColourOf(picture, 2, 2), GetSysColor(COLOR_WINDOW)) << className;
        EXPECT_EQ(ColourOf(picture, 200, 20), GetSysColor(COLOR_WINDOW)) << className;
        int textPixels = 0;
        for (int y = 90; y < 110; ++y)
            for (int x = 0; x < 400; ++x)
                textPixels += ColourOf(picture, x, y) != GetSysColor(COLOR_WINDOW);
        EXPECT_GT(textPixels, 50) << className;
    }
    EXPECT_THAT(TVK::GetDebugger()->GetLines(),
                testing::Contains(testing::HasSubstr("NoSuchView")));
}

TEST_F(OGLFrameTest, FramesAreRegisteredAndViewsShareOneSemaphoreWhileOpen) {
    ASSERT_EQ(OGLWnd::m_nWndCount, 0);
    EXPECT_EQ(OGLWnd::m_hRCSema, nullptr);

    OGLFrame* camera = OpenView("CameraView", 300, 200);
    Semaphore* semaphore = OGLWnd::m_hRCSema;
    ASSERT_NE(semaphore, nullptr);
    EXPECT_EQ(semaphore->GetCount(), 1); // released after every use
    EXPECT_EQ(camera->GetRefCount(), 1);
    EXPECT_EQ(camera->FindInterface("MDIChildWnd"), static_cast<MDIChildWnd*>(camera));
    EXPECT_EQ(camera->FindInterface("CMDIChildWnd"), static_cast<CMDIChildWnd*>(camera));
    EXPECT_EQ(camera->FindInterface("OGLFrame"), camera);
    EXPECT_EQ(camera->FindInterface("BaseObject"), nullptr);
    OpenView("SideView", 300, 200);
    EXPECT_EQ(OGLWnd::m_nWndCount, 2);
    EXPECT_EQ(OGLWnd::m_hRCSema, semaphore);
    ASSERT_EQ(GetMDIChildRegistry().GetCount(), 2);
    EXPECT_EQ(GetMDIChildRegistry()[0], static_cast<MDIChildWnd*>(camera));

    camera->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_frames.front(), nullptr);
    EXPECT_EQ(GetMDIChildRegistry().GetCount(), 1);
    EXPECT_EQ(OGLWnd::m_nWndCount, 1);
    EXPECT_EQ(OGLWnd::m_hRCSema, semaphore);
    m_frames.back()->DestroyWindow();
    EXPECT_EQ(OGLWnd::m_nWndCount, 0);
    EXPECT_EQ(OGLWnd::m_hRCSema, nullptr);

    OGLFrame* again = OpenView("TopView", 300, 200);
    ASSERT_NE(OGLWnd::m_hRCSema, nullptr);
    EXPECT_EQ(OGLWnd::m_hRCSema->GetCount(), 1);
    EXPECT_NE(again->GetView(), nullptr);
}
