#include "PlatformTestSupport.h"
#include "RecordingWnd.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// A child frame that hosts one view filling its client area, and reports
// what happens to it.
class ViewFrame : public CMDIChildWnd {
  public:
    explicit ViewFrame(std::vector<std::string>* pLog, int nCreateResult = 0)
        : m_pLog(pLog), m_nCreateResult(nCreateResult) {}
    ~ViewFrame() override { m_pLog->push_back("frame deleted"); }

    RecordingWnd m_view;

  protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override {
        m_pLog->push_back("frame WM_CREATE");
        if (CMDIChildWnd::OnCreate(lpCreateStruct) == -1 || m_nCreateResult == -1)
            return -1;
        CRect client;
        GetClientRect(&client);
        return m_view.Make(WS_CHILD | WS_VISIBLE, client, this) ? 0 : -1;
    }
    void OnSize(UINT nType, int cx, int cy) override {
        CMDIChildWnd::OnSize(nType, cx, cy);
        if (m_view.GetSafeHwnd())
            m_view.MoveWindow(0, 0, cx, cy);
    }
    // The view, a child window, is destroyed with the frame.
    void OnDestroy() override {
        m_pLog->push_back("frame WM_DESTROY");
        CMDIChildWnd::OnDestroy();
    }
    void OnClose() override {
        m_pLog->push_back("frame WM_CLOSE");
        CMDIChildWnd::OnClose();
    }

  private:
    std::vector<std::string>* m_pLog;
    int m_nCreateResult;
};

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_pMain = new CMDIFrameWnd;
        ASSERT_TRUE(m_pMain->LoadFrame(128));
        m_pMain->SetWindowText("Corvane");
        m_pMain->ShowWindow(SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pMain->GetWidget()));
    }
    void TearDown() override {
        if (AfxGetMainWnd() == m_pMain)
            m_pMain->DestroyWindow();
        FlushDeletes();
    }

    ViewFrame* OpenFrame(const char* title) {
        auto* pFrame = new ViewFrame(&m_log);
        if (!pFrame->LoadFrame(103, 0x00CF0000, nullptr, nullptr))
            return nullptr;
        pFrame->SetTitle(title);
        pFrame->ShowWindow(SW_RESTORE);
        pFrame->ActivateFrame();
        return pFrame;
    }

    CMDIFrameWnd* m_pMain = nullptr;
    std::vector<std::string> m_log;
};

TEST_F(FrameTest, ALoadedChildFrameIsAHiddenSubWindowWithARealClientSizeAndItsOwnCaption) {
    auto* pFrame = new ViewFrame(&m_log);
    ASSERT_TRUE(pFrame->LoadFrame(105, 0x06FF0000, nullptr, nullptr));
    QMdiSubWindow* sub = pFrame->GetSubWindow();
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ(sub->mdiArea(), m_pMain->GetMDIArea());
    CRect client;
    pFrame->GetClientRect(&client);
    EXPECT_FALSE(client.IsRectEmpty());
    // The view was laid out over the client area before anything was shown.
    CRect view;
    pFrame->m_view.GetClientRect(&view);
    EXPECT_EQ(view, client);

    pFrame->SetTitle("Time Line");
    EXPECT_EQ(sub->windowTitle(), "Time Line");
    pFrame->ShowWindow(SW_RESTORE);
    EXPECT_TRUE(sub->isVisible());
    // Showing does not change the client size that the frame was given.
    CRect shown;
    pFrame->GetClientRect(&shown);
    EXPECT_EQ(shown, client);
    // The scroll bars of the style lie inside the frame's widget.
    EXPECT_EQ(pFrame->GetWidget()->size() - QSize(16, 16), QSize(client.Width(), client.Height()));
}

TEST_F(FrameTest, ANextPlacementPlacesTheNextFrameOnlyAndAtItsFinalSize) {
    const QRect place(30, 20, 300, 200);
    CMDIChildWnd::SetNextPlacement(place);
    auto* pPlaced = new ViewFrame(&m_log);
    ASSERT_TRUE(pPlaced->LoadFrame(103, 0x00CF0000, nullptr, nullptr));
    CRect made;
    pPlaced->m_view.GetClientRect(&made);
    pPlaced->ShowWindow(SW_RESTORE);
    EXPECT_EQ(pPlaced->GetSubWindow()->geometry(), place);
    CRect shown;
    pPlaced->GetClientRect(&shown);
    EXPECT_EQ(shown, made); // showing it sized nothing again

    ViewFrame* pDefault = OpenFrame("Side");
    ASSERT_NE(pDefault, nullptr);
    EXPECT_NE(pDefault->GetSubWindow()->size(), place.size());
}

TEST_F(FrameTest, ActivatingAFrameMakesItTheActiveChildAndRestoresIt) {
    ViewFrame* pCamera = OpenFrame("Camera");
    ViewFrame* pTop = OpenFrame("Top");
    ASSERT_TRUE(pCamera && pTop);
    EXPECT_EQ(m_pMain->MDIGetActive(), pTop);
    pCamera->ActivateFrame();
    EXPECT_EQ(m_pMain->MDIGetActive(), pCamera);
    QList<QMdiSubWindow*> stacking = m_pMain->GetMDIArea()->subWindowList(QMdiArea::StackingOrder);
    EXPECT_EQ(stacking.last(), pCamera->GetSubWindow());

    // A minimised frame is restored.
    pTop->ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(pTop->GetSubWindow()->isMinimized());
    pTop->ActivateFrame();
    EXPECT_FALSE(pTop->GetSubWindow()->isMinimized());
}

TEST_F(FrameTest, AMinimisedFrameHasAnEmptyClientAreaAndAResizedOneResizesItsView) {
    ViewFrame* pFrame = OpenFrame("Cast List");
    ASSERT_NE(pFrame, nullptr);
    CRect before;
    pFrame->GetClientRect(&before);
    std::vector<std::string> sizes;
    pFrame->m_view.m_onSize = [&](int cx, int cy) {
        sizes.push_back(std::to_string(cx) + "x" + std::to_string(cy));
    };
    pFrame->GetSubWindow()->showMinimized();
    CRect client;
    pFrame->GetClientRect(&client);
    EXPECT_TRUE(client.IsRectEmpty());
    pFrame->GetSubWindow()->showNormal();
    pFrame->GetClientRect(&client);
    EXPECT_EQ(client, before);
    EXPECT_THAT(sizes, ElementsAre("0x0", std::to_string(before.Width()) + "x" +
                                              std::to_string(before.Height())));

    // Resizing the frame resizes its view.
    QMdiSubWindow* sub = pFrame->GetSubWindow();
    sub->resize(sub->size() + QSize(40, 30));
    CRect view;
    pFrame->GetClientRect(&client);
    pFrame->m_view.GetClientRect(&view);
    EXPECT_EQ(view, client);
    EXPECT_EQ(client.Width(), before.Width() + 40);
    EXPECT_EQ(client.Width(), pFrame->GetWidget()->width());
}

TEST_F(FrameTest, ClosingTheSubWindowOrTheMainFrameDestroysAndDeletesTheChildFrames) {
    ViewFrame* pFrame = OpenFrame("Front");
    ASSERT_NE(pFrame, nullptr);
    QPointer<QMdiSubWindow> sub = pFrame->GetSubWindow();
    m_log.clear();
    sub->close();
    EXPECT_THAT(m_log, ElementsAre("frame WM_CLOSE", "frame WM_DESTROY", "frame deleted"));
    EXPECT_EQ(m_pMain->MDIGetActive(), nullptr);
    EXPECT_TRUE(m_pMain->GetMDIArea()->subWindowList().isEmpty());
    FlushDeletes();
    EXPECT_TRUE(sub.isNull());

    ASSERT_NE(OpenFrame("Camera"), nullptr);
    m_log.clear();
    EXPECT_EQ(AfxGetMainWnd(), m_pMain);
    m_pMain->DestroyWindow();
    EXPECT_THAT(m_log, ElementsAre("frame WM_DESTROY", "frame deleted"));
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST_F(FrameTest, AFrameNeedsAMainWindowAndOneThatRefusesCreationDeletesItself) {
    auto* pRefusing = new ViewFrame(&m_log, -1);
    EXPECT_FALSE(pRefusing->LoadFrame(104, 0x06EF0000, nullptr, nullptr));
    EXPECT_THAT(m_log, ElementsAre("frame WM_CREATE", "frame WM_DESTROY", "frame deleted"));

    m_pMain->DestroyWindow();
    FlushDeletes();
    m_log.clear();
    ViewFrame frame(&m_log);
    EXPECT_FALSE(frame.LoadFrame(103, 0x00CF0000, nullptr, nullptr));
    EXPECT_TRUE(m_log.empty());
}

} // namespace
