#include "app/MainFrame.h"
#include "app/MenuDriver.h"

#include "RecordingAcceleratorManager.h"
#include "RecordingWnd.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/MenuManager.h"
#include "platform/Menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QStatusBar>

#include <set>

using testing::ElementsAre;

namespace {

// Stands for the plug-ins' menu manager: records what the host routes to it.
class FakeMenuManager : public MenuManager, public SharedObject {
  public:
    String GetSharedName() override { return "Menu Manager"; }
    int AddMenuItem(int, const String&, const String&, Pointer<MenuHandler>, bool, bool,
                    const String&) override {
        return -1;
    }
    void ExecuteCommand(int id) override { executed.push_back(id); }
    void UpdateCommandUI(int id, Pointer<MenuItemState> state) override {
        updated.push_back(id);
        if (disabled.count(id))
            state->Enable(false);
        if (checked.count(id))
            state->SetCheck(true);
    }
    String GetCommandPrompt(int id) override {
        return id == 101 ? "Start playing the project\nPlay (Enter)" : "";
    }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("MenuManager", static_cast<MenuManager*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    std::vector<int> executed;
    std::vector<int> updated;
    std::set<int> disabled;
    std::set<int> checked;
};

// Stands for the accelerator manager: sees every key message, takes 'Q'.
class KeyTakingAcceleratorManager : public RecordingAcceleratorManager {
  public:
    bool TranslateAccelerator(MSG* message) override {
        messages.push_back({message->message, static_cast<int>(message->wParam)});
        return message->message == WM_KEYDOWN && message->wParam == 'Q';
    }

    std::vector<std::pair<UINT, int>> messages;
};

class MainFrameTest : public testing::Test {
  protected:
    void SetUp() override {
        m_pFrame = new MainFrame;
        ASSERT_TRUE(m_pFrame->CreateMainWindow());
        m_hBar = GetMenu(m_pFrame->GetSafeHwnd());
    }
    void TearDown() override {
        for (auto& object : m_published)
            GetSharedObjects()->RemoveObject(object);
        if (AfxGetMainWnd() == m_pFrame)
            m_pFrame->DestroyWindow();
    }

    template <class T> T* Publish(T* object) {
        m_published.push_back(Pointer<SharedObject>(object));
        GetSharedObjects()->AddObject(m_published.back());
        return object;
    }
    void SendCommand(UINT id) {
        m_pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
    }
    void OpenPopup(HMENU hPopup, int position) {
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                              MAKELPARAM(position, 0));
    }

    MainFrame* m_pFrame = nullptr;
    HMENU m_hBar = nullptr;
    std::vector<Pointer<SharedObject>> m_published;
};

TEST_F(MainFrameTest, PluginItemsAreExecutedUpdatedAndPromptedByTheMenuManagerOnceThereIsOne) {
    HMENU hFile = GetSubMenu(m_hBar, 0);
    InsertMenuA(hFile, 0, MF_BYPOSITION | MF_STRING, 101, "&Play\tEnter");
    InsertMenuA(hFile, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    InsertMenuA(hFile, 2, MF_BYPOSITION | MF_STRING, 102, "&Stop\tEsc");
    SendCommand(101);
    OpenPopup(hFile, 0);
    EXPECT_EQ(m_pFrame->GetCommandPrompt(101).str(), "");

    auto* manager = Publish(new FakeMenuManager);
    GetMenuItemAction(hFile, 0)->trigger();
    SendCommand(250);
    SendCommand(100); // below the plug-ins' identifiers
    SendCommand(ID_VIEW_STATUS_BAR);
    EXPECT_THAT(manager->executed, ElementsAre(101, 250));

    manager->disabled = {101};
    manager->checked = {102};
    OpenPopup(hFile, 0);
    EXPECT_THAT(manager->updated, ElementsAre(101, 102));
    EXPECT_TRUE(GetMenuState(hFile, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(GetMenuState(hFile, 2, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED), MF_CHECKED);
    // The host's own Exit item is not the manager's to update.
    EXPECT_FALSE(GetMenuState(hFile, 3, MF_BYPOSITION) & MF_GRAYED);

    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(101, 0), reinterpret_cast<LPARAM>(hFile));
    EXPECT_EQ(m_pFrame->GetStatusBar()->currentMessage().toStdString(),
              "Start playing the project");
    EXPECT_EQ(GetMenuItemAction(hFile, 0)->toolTip().toStdString(), "Play (Enter)");
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(m_pFrame->GetStatusBar()->currentMessage().toStdString(), "Ready");
}

TEST_F(MainFrameTest, KeysAreOfferedToTheAcceleratorManagerBeforeTheFocusedWindow) {
    auto* accelerators = Publish(new KeyTakingAcceleratorManager);
    auto* window = new RecordingWnd;
    ASSERT_TRUE(window->Make(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), m_pFrame));
    window->Take();
    for (int key : {Qt::Key_A, Qt::Key_Q}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window->GetWidget(), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(window->GetWidget(), &release);
    }
    EXPECT_THAT(accelerators->messages, ElementsAre(std::pair<UINT, int>(WM_KEYDOWN, 'A'),
                                                    std::pair<UINT, int>(WM_KEYUP, 'A'),
                                                    std::pair<UINT, int>(WM_KEYDOWN, 'Q'),
                                                    std::pair<UINT, int>(WM_KEYUP, 'Q')));
    // The press of 'Q' was taken by the accelerator manager: the window never saw it.
    EXPECT_THAT(window->Take(), ElementsAre("WM_KEYDOWN 65", "WM_KEYUP 65", "WM_KEYUP 81"));
    window->DestroyWindow();
    delete window;
}

TEST_F(MainFrameTest, ExitClosesTheMainWindowOnceTheCommandHasReturned) {
    SendCommand(ID_APP_EXIT);
    EXPECT_EQ(AfxGetMainWnd(), m_pFrame);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

} // namespace
