#include "TestHost.h"

#include "framework/SharedObjects.h"
#include "platform/Automation.h"
#include "platform/Menu.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

std::vector<std::string>& CallLog() {
    static std::vector<std::string> log;
    return log;
}

std::vector<MenuItemView> ReadMenu(HMENU menu) {
    std::vector<MenuItemView> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        char text[256] = "";
        GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
        UINT state = GetMenuState(menu, position, MF_BYPOSITION);
        items.push_back({text, GetMenuItemID(menu, position), (state & MF_GRAYED) == 0,
                         (state & MF_CHECKED) != 0, (state & MF_SEPARATOR) != 0,
                         GetSubMenu(menu, position)});
    }
    return items;
}

std::vector<std::string> ReadTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (const MenuItemView& item : ReadMenu(menu))
        texts.push_back(item.separator ? "-" : item.text);
    return texts;
}

HMENU FindPopup(HMENU menu, const std::string& text) {
    for (const MenuItemView& item : ReadMenu(menu))
        if (item.text == text)
            return item.popup;
    return nullptr;
}

void CommandsTest::SetUp() {
    CallLog().clear();
    Automation::Instance().Clear();
    Automation::Instance().SetSessionMode(true);

    m_pMenuManager = new MenuManagerStdImpl;
    m_pAccelManager = new AcceleratorManagerStdImpl;
    m_pPlayer = new FakePlayer;
    m_pTimer = new FakePlayerTimer;
    m_pTimeLine = new FakeTimeLine;
    m_pProject = new FakeProject;
    for (Pointer<SharedObject> object :
         {Pointer<SharedObject>(m_pMenuManager), Pointer<SharedObject>(m_pAccelManager),
          Pointer<SharedObject>(m_pPlayer), Pointer<SharedObject>(m_pTimer),
          Pointer<SharedObject>(m_pTimeLine), Pointer<SharedObject>(m_pProject)})
        Publish(object);

    m_pMainWnd = new TestMainFrame;
    ASSERT_TRUE(m_pMainWnd->CreateMainWindow());
}

void CommandsTest::TearDown() {
    m_pMenuManager->Shutdown();
    m_pAccelManager->Shutdown();
    GetSharedObjects()->RemoveAll();
    if (m_pMainWnd)
        m_pMainWnd->DestroyWindow(); // the frame deletes itself
    Automation::Instance().SetSessionMode(false);
    Automation::Instance().Clear();
}

HMENU CommandsTest::MenuBar() const {
    return GetMenu(m_pMainWnd->GetSafeHwnd());
}

void CommandsTest::Publish(Pointer<SharedObject> object) {
    GetSharedObjects()->AddObject(object);
}

void CommandsTest::PressKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    QWidget* target =
        QApplication::focusWidget() ? QApplication::focusWidget() : m_pMainWnd->GetWidget();
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers);
    QApplication::sendEvent(target, &release);
}

void CommandsTest::OpenPopup(HMENU popup) {
    m_pMainWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
}

void CommandsTest::Choose(HMENU popup, int position) {
    OpenPopup(popup);
    GetMenuItemAction(popup, position)->trigger();
}
