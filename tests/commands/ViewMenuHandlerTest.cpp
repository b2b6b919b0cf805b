#include "TestHost.h"

#include "commands/ViewMenuHandler.h"
#include "core/MDIChildRegistry.h"
#include "core/QuendaInterfaces.h"
#include "views/OGLFrame.h"
#include "views/OGLWnd.h"

#include "platform/CMDIChildWnd.h"

#include <QApplication>

namespace {

std::string TitleOf(CWnd* window) {
    String title;
    window->GetWindowText(title);
    return title.str();
}

// The handler opens the module's real windows, which read the cast list too
// and attach the module's input handlers.
class ViewMenuHandlerTest : public CommandsTest {
  protected:
    void SetUp() override {
        CommandsTest::SetUp();
        Publish(Pointer<SharedObject>(new FakeCastList));
        m_pInterfaces = new QuendaInterfaces;
        m_pInterfaces->Initialize();
        // Windows paint only once the window system has exposed the main window.
        QApplication::processEvents();
        m_pHandler = new ViewMenuHandler;
        m_pHandler->Initialize();
    }
    void TearDown() override {
        m_pMainWnd->DestroyWindow(); // closes the windows; each frame deletes itself
        m_pMainWnd = nullptr;
        m_pInterfaces->Shutdown();
        CommandsTest::TearDown();
    }

    Texts OpenTitles() const {
        Texts titles;
        for (CMDIChildWnd* frame : m_pMainWnd->GetChildFrames())
            titles.push_back(TitleOf(frame));
        return titles;
    }
    std::string ActiveTitle() const {
        CMDIChildWnd* active = m_pMainWnd->MDIGetActive();
        return active ? TitleOf(active) : "";
    }

    Pointer<QuendaInterfaces> m_pInterfaces;
    Pointer<ViewMenuHandler> m_pHandler;
};

TEST_F(ViewMenuHandlerTest, ItemsFollowASeparatorAtTheEndOfTheHostsViewMenu) {
    Texts bar = ReadTexts(MenuBar());
    EXPECT_EQ(std::count(bar.begin(), bar.end(), "&View"), 1);

    HMENU view = FindPopup(MenuBar(), "&View");
    Texts items = Describe(view);
    ASSERT_GE(items.size(), 6u);
    EXPECT_EQ(
        Texts(items.end() - 6, items.end()),
        (Texts{"-", "Camera\tCtrl+Q|101|Open the Camera view\nCamera View", "Orthographic|-1|", "-",
               "Time Line\tCtrl+T|105|Open the Time Line window\nTime Line",
               "Cast List\tCtrl+L|106|Open the Cast List window\nCast List"}));
    EXPECT_EQ(Describe(FindPopup(view, "Orthographic")),
              (Texts{"Top\tCtrl+W|102|Open the Top view\nTop View",
                     "Front\tCtrl+E|103|Open the Front view\nFront View",
                     "Side\tCtrl+R|104|Open the Side view\nSide View"}));
}

TEST_F(ViewMenuHandlerTest, EachShortcutOpensItsOwnWindowOrBringsItToTheFront) {
    for (int other : {-1, 0, 7})
        m_pHandler->ExecuteMenuItem(other);
    EXPECT_TRUE(OpenTitles().empty());

    for (int key : {Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R, Qt::Key_T, Qt::Key_L})
        PressKey(key, Qt::ControlModifier);
    EXPECT_EQ(OpenTitles(), (Texts{"Camera", "Top", "Front", "Side", "Time Line", "Cast List"}));
    EXPECT_EQ(ActiveTitle(), "Cast List");
    EXPECT_EQ(GetMDIChildRegistry().GetCount(), 6);

    Texts views; // of the scene view frames, each shown
    for (CMDIChildWnd* frame : m_pMainWnd->GetChildFrames())
        if (auto* scene = dynamic_cast<OGLFrame*>(frame); scene && scene->IsWindowVisible())
            views.push_back(scene->GetView() ? scene->GetView()->GetClass()->GetName().str() : "");
    EXPECT_EQ(views, (Texts{"CameraView", "TopView", "FrontView", "SideView"}));
    PressKey(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(ActiveTitle(), "Camera");
    EXPECT_EQ(GetMDIChildRegistry().GetCount(), 6);

    // A closed window reopens anew.
    m_pMainWnd->FindChildFrame("Top")->SendMessage(WM_CLOSE);
    m_pMainWnd->FindChildFrame("Cast List")->SendMessage(WM_CLOSE);
    EXPECT_EQ(OpenTitles().size(), 4u);
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kTop);
    m_pHandler->ExecuteMenuItem(ViewMenuHandler::kCastList);
    EXPECT_EQ(OpenTitles().size(), 6u);
    EXPECT_EQ(ActiveTitle(), "Cast List");
    auto* top = dynamic_cast<OGLFrame*>(m_pMainWnd->FindChildFrame("Top"));
    ASSERT_NE(top, nullptr);
    EXPECT_NE(top->GetView(), nullptr);
}

} // namespace
