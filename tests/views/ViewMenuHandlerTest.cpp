#include "FakeScene.h"

#include "app/MainFrame.h"
#include "commands/AcceleratorManagerStdImpl.h"
#include "commands/MenuManagerStdImpl.h"
#include "commands/ViewMenuHandler.h"
#include "core/MDIChildRegistry.h"
#include "core/QuendaInterfaces.h"
#include "views/OGLFrame.h"
#include "views/OGLWnd.h"

#include "framework/SharedObjects.h"
#include "platform/MDIChildWnd.h"
#include "platform/Menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        char text[256] = "";
        GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
        texts.push_back((GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR) ? "-" : text);
    }
    return texts;
}

HMENU FindPopup(HMENU menu, const std::string& text) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        char buffer[256] = "";
        GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
        if (text == buffer)
            return GetSubMenu(menu, position);
    }
    return nullptr;
}

std::string TitleOf(CWnd* window) {
    String title;
    window->GetWindowText(title);
    return title.str();
}

} // namespace

// The handler in the host it is made for: the host's real main window with
// its own "&View" menu, the two managers, and the model as fakes.
class ViewMenuHandlerTest : public testing::Test {
protected:
    void SetUp() override {
        m_pMenuManager = new MenuManagerStdImpl;
        m_pAccelManager = new AcceleratorManagerStdImpl;
        for (Pointer<SharedObject> object :
             {Pointer<SharedObject>(m_pMenuManager), Pointer<SharedObject>(m_pAccelManager),
              Pointer<SharedObject>(new FakePlayer), Pointer<SharedObject>(new FakeTimeLine),
              Pointer<SharedObject>(new FakeCastList)})
            GetSharedObjects()->AddObject(object);
        m_pInterfaces = new QuendaInterfaces;
        m_pInterfaces->Initialize();

        m_pMainWnd = new MainFrame;
        ASSERT_TRUE(m_pMainWnd->CreateMainWindow());
        // Windows paint only once the window system has exposed the main window.
        QApplication::processEvents();
        m_pHandler = new ViewMenuHandler;
        m_pHandler->Initialize();
    }

    void TearDown() override {
        if (m_pMainWnd)
            m_pMainWnd->DestroyWindow(); // closes the windows; each frame deletes itself
        m_pMenuManager->Shutdown();
        m_pAccelManager->Shutdown();
        m_pInterfaces->Shutdown();
        GetSharedObjects()->RemoveAll();
    }

    std::vector<std::string> OpenTitles() const {
        std::vector<std::string> titles;
        for (CMDIChildWnd* frame : m_pMainWnd->GetChildFrames())
            titles.push_back(TitleOf(frame));
        return titles;
    }

    std::string ActiveTitle() const {
        CMDIChildWnd* active = m_pMainWnd->MDIGetActive();
        return active ? TitleOf(active) : "";
    }

    void PressCtrl(int qtKey) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_pMainWnd->GetWidget();
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::ControlModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::ControlModifier);
        QApplication::sendEvent(target, &release);
    }

    MainFrame* m_pMainWnd = nullptr;
    Pointer<MenuManagerStdImpl> m_pMenuManager;
    Pointer<AcceleratorManagerStdImpl> m_pAccelManager;
    Pointer<QuendaInterfaces> m_pInterfaces;
    Pointer<ViewMenuHandler> m_pHandler;
};

TEST_F(ViewMenuHandlerTest, ItemsFollowASeparatorAtTheEndOfTheHostsViewMenu) {
    HMENU menuBar = GetMenu(m_pMainWnd->GetSafeHwnd());
    std::vector<std::string> bar = MenuTexts(menuBar);
    EXPECT_EQ(std::count(bar.begin(), bar.end(), "&View"), 1);

    std::vector<std::string> view = MenuTexts(FindPopup(menuBar, "&View"));
    ASSERT_GE(view.size(), 6u);
    std::vector<std::string> ours(view.end() - 6, view.end());
    EXPECT_EQ(ours, (std::vector<std::string>{"-", "Camera\tCtrl+Q", "Orthographic", "-", "Time Line\tCtrl+T",
                                              "Cast List\tCtrl+L"}));
    HMENU orthographic = FindPopup(FindPopup(menuBar, "&View"), "Orthographic");
    ASSERT_NE(orthographic, nullptr);
    EXPECT_EQ(MenuTexts(orthographic), (std::vector<std::string>{"Top\tCtrl+W", "Front\tCtrl+E", "Side\tCtrl+R"}));

    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(GetMenuItemID(orthographic, 1)).str(),
              "Open the Front view\nFront View");
}

TEST_F(ViewMenuHandlerTest, EachCommandOpensItsOwnWindow) {
    for (int other : {-1, 0, 7})
        m_pHandler->ExecuteMenuItem(other);
    EXPECT_TRUE(OpenTitles().empty());

    for (int cookie = ViewMenuHandler::kCamera; cookie <= ViewMenuHandler::kCastList; ++cookie)
        m_pHandler->ExecuteMenuItem(cookie);
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Camera", "Top", "Front", "Side", "Time Line", "Cast List"}));
    EXPECT_EQ(ActiveTitle(), "Cast List");
    EXPECT_EQ(GetMDIChildRegistry().GetCount(), 6);

    const char* const viewClasses[] = {"CameraView", "TopView", "FrontView", "SideView"};
    std::vector<CMDIChildWnd*> frames = m_pMainWnd->GetChildFrames();
    for (int i = 0; i < 4; ++i) {
        auto* frame = dynamic_cast<OGLFrame*>(frames[i]);
        ASSERT_NE(frame, nullptr);
        ASSERT_NE(frame->GetView(), nullptr);
        EXPECT_STREQ(frame->GetView()->GetClass()->GetName(), viewClasses[i]);
        EXPECT_TRUE(frame->IsWindowVisible());
    }
}

TEST_F(ViewMenuHandlerTest, AnOpenWindowIsOnlyBroughtToTheFront) {
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kCamera);
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kTimeLine);
    ASSERT_EQ(ActiveTitle(), "Time Line");

    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kCamera);
    EXPECT_EQ(OpenTitles().size(), 2u);
    EXPECT_EQ(ActiveTitle(), "Camera");
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kTimeLine);
    EXPECT_EQ(OpenTitles().size(), 2u);
    EXPECT_EQ(ActiveTitle(), "Time Line");
}

TEST_F(ViewMenuHandlerTest, AClosedWindowReopensAsANewOne) {
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kTop);
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kCastList);
    ASSERT_EQ(OpenTitles().size(), 2u);
    m_pMainWnd->FindChildFrame("Top")->SendMessage(WM_CLOSE);
    m_pMainWnd->FindChildFrame("Cast List")->SendMessage(WM_CLOSE);
    EXPECT_TRUE(OpenTitles().empty());
    EXPECT_EQ(OGLWnd::m_nWndCount, 0);

    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kTop);
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kCastList);
    EXPECT_EQ(OpenTitles(), (std::vector<std::string>{"Top", "Cast List"}));
    auto* top = dynamic_cast<OGLFrame*>(m_pMainWnd->FindChildFrame("Top"));
    ASSERT_NE(top, nullptr);
    EXPECT_NE(top->GetView(), nullptr);
}

TEST_F(ViewMenuHandlerTest, CtrlShortcutsOpenTheWindows) {
    PressCtrl(Qt::Key_Q);
    PressCtrl(Qt::Key_W);
    PressCtrl(Qt::Key_E);
    PressCtrl(Qt::Key_R);
    PressCtrl(Qt::Key_T);
    PressCtrl(Qt::Key_L);
    PressCtrl(Qt::Key_Q);
    EXPECT_EQ(OpenTitles().size(), 6u);
    EXPECT_EQ(ActiveTitle(), "Camera");
}
