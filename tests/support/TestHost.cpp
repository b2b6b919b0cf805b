#include "TestHost.h"

#include "framework/SharedObjects.h"
#include "platform/Automation.h"
#include "platform/Menu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

std::string TextAt(HMENU menu, int position) {
    char text[256] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// A popup's state carries its item count in the high byte, which may set the
// separator bit.
bool IsSeparator(HMENU menu, int position) {
    UINT state = GetMenuState(menu, position, MF_BYPOSITION);
    return !(state & MF_POPUP) && (state & MF_SEPARATOR) != 0;
}

} // namespace

Texts ReadTexts(HMENU menu) {
    Texts texts;
    for (int position = 0; position < GetMenuItemCount(menu); ++position)
        texts.push_back(IsSeparator(menu, position) ? "-" : TextAt(menu, position));
    return texts;
}

HMENU FindPopup(HMENU menu, const std::string& text) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position)
        if (TextAt(menu, position) == text)
            return GetSubMenu(menu, position);
    return nullptr;
}

void ExpectContract(const ClassContract& contract) {
    SCOPED_TRACE(contract.className);
    Pointer<BaseObject> object(contract.make());
    EXPECT_EQ(object->GetClass()->GetName(), contract.className);
    EXPECT_NE(object->FindInterface(contract.className), nullptr);
    for (const std::string& name : contract.answered)
        EXPECT_NE(object->FindInterface(name.c_str()), nullptr) << name;
    for (const std::string& name : contract.refused)
        EXPECT_EQ(object->FindInterface(name.c_str()), nullptr) << name;
    EXPECT_EQ(object->FindInterface("BaseObject"), nullptr);
    auto* plugin =
        static_cast<StaticInstancePlugin*>(object->FindInterface("StaticInstancePlugin"));
    ASSERT_NE(plugin, nullptr);
    Texts required;
    StringList names = plugin->GetRequiredInterfaces();
    for (int i = 0; i < names.GetCount(); ++i)
        required.push_back(names[i].str());
    EXPECT_EQ(required, contract.required);
    auto* shared = static_cast<SharedObject*>(object->FindInterface("SharedObject"));
    EXPECT_EQ(shared ? shared->GetSharedName().str() : "", contract.sharedName);
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
