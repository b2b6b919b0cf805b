#include "core/MDIChildRegistry.h"
#include "core/MDIChildUpdater.h"
#include "core/MDIChildWnd.h"
#include "core/ModuleExports.h"

#include "framework/Pointer.h"
#include "framework/RTTIClass.h"
#include "platform/CMDIFrameWnd.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> s_log;

class LoggingFrame : public MDIChildWnd {
  public:
    explicit LoggingFrame(std::string name) : MDIChildWnd(nullptr), m_strName(std::move(name)) {}

  protected:
    void OnPaint() override {
        CMDIChildWnd::OnPaint();
        s_log.push_back("paint " + m_strName);
    }
    std::string m_strName;
};

// Brings its picture up to date its own way.
class RedrawingFrame : public LoggingFrame {
  public:
    using LoggingFrame::LoggingFrame;
    void UpdateNow() override {
        s_log.push_back("redraw " + m_strName);
        InvalidateRect(nullptr, FALSE);
        UpdateWindow();
    }
};

class MDIChildRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s_log.clear();
        m_pMain = new CMDIFrameWnd;
        ASSERT_TRUE(m_pMain->LoadFrame(1));
        m_pMain->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        m_pMain->DestroyWindow();
        EXPECT_EQ(GetMDIChildRegistry().GetCount(), 0);
    }
    template <class Frame> Frame* Open(const char* name) {
        auto* frame = new Frame(name);
        EXPECT_TRUE(frame->LoadFrame(105, WS_OVERLAPPEDWINDOW, m_pMain));
        frame->ShowWindow(SW_RESTORE);
        frame->UpdateWindow();
        QCoreApplication::processEvents();
        return frame;
    }

    CMDIFrameWnd* m_pMain = nullptr;
};

TEST_F(MDIChildRegistryTest, ClosedFramesLeaveTheListAndEachPassRepaintsTheRestAtOnceInOrder) {
    auto* a = Open<LoggingFrame>("A");
    auto* b = Open<LoggingFrame>("B");
    auto* c = Open<RedrawingFrame>("C");
    b->DestroyWindow();
    auto* d = Open<LoggingFrame>("D");
    auto& registry = GetMDIChildRegistry();
    ASSERT_EQ(registry.GetCount(), 3);
    EXPECT_EQ((std::vector<MDIChildWnd*>{registry[0], registry[1], registry[2]}),
              (std::vector<MDIChildWnd*>{a, c, d}));

    Pointer<NotifyFrameChange> updater(static_cast<NotifyFrameChange*>(
        RTTIClass::FindClass("MDIChildUpdater")->GetCreateFunction()("NotifyFrameChange")));
    ASSERT_TRUE(updater);
    s_log.clear();
    UpdateAllMDIChildWindows();
    updater->OnFrameChange(7, -3);
    EXPECT_EQ(s_log, (std::vector<std::string>{"paint A", "redraw C", "paint C", "paint D",
                                               "paint A", "redraw C", "paint C", "paint D"}));
}

} // namespace
