#pragma once

// The command layer in the host it is made for: the host application's real
// main window (menus "&File" with Exit, "&View", "&Window", "&Help"; commands,
// state updates and key presses routed to the managers), the two managers
// published under their shared names, and the model's shared objects as fakes.

#include "FakeModel.h"

#include "app/MainFrame.h"
#include "commands/AcceleratorManagerStdImpl.h"
#include "commands/MenuManagerStdImpl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

// The host's main window, noting every command it receives.
class TestMainFrame : public MainFrame {
  public:
    std::vector<UINT> m_commands;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        m_commands.push_back(LOWORD(wParam));
        return MainFrame::OnCommand(wParam, lParam);
    }
};

// The texts of a menu's items, "-" for a separator.
Texts ReadTexts(HMENU menu);
// The popup of the item with that text, or null.
HMENU FindPopup(HMENU menu, const std::string& text);

// A menu handler is a single-instance plug-in that is never published, and
// starts after the managers and what it drives.
template <class Handler> void ExpectHandlerClass(const char* className, const Texts& required) {
    Pointer<Handler> handler(new Handler);
    Handler* object = handler.Get();
    EXPECT_EQ(object->GetClass()->GetName(), className);
    EXPECT_EQ(object->FindInterface("MenuHandler"), static_cast<MenuHandler*>(object));
    EXPECT_EQ(object->FindInterface("StaticInstancePlugin"),
              static_cast<StaticInstancePlugin*>(object));
    EXPECT_EQ(object->FindInterface("BasePlugin"), static_cast<BasePlugin*>(object));
    EXPECT_EQ(object->FindInterface(className), object);
    EXPECT_EQ(object->FindInterface("SharedObject"), nullptr);
    EXPECT_EQ(object->FindInterface("BaseObject"), nullptr);
    StringList names = object->GetRequiredInterfaces();
    Texts texts;
    for (int i = 0; i < names.GetCount(); ++i)
        texts.push_back(names[i].str());
    EXPECT_EQ(texts, required);
}

class CommandsTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HMENU MenuBar() const;
    // A menu's items as "text|id|prompt", "-" for a separator; a popup's id is -1.
    Texts Describe(HMENU menu);
    // What the author sees of a popup once it opens: "enabled checked" of each
    // item as two digits, "-" for a separator, "10 01 - 10".
    std::string States(HMENU popup);
    // Publishes an object until the end of the test.
    void Publish(Pointer<SharedObject> object);
    // A real key press and release, as a person makes it, in the focused window.
    void PressKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // What Windows sends before a popup opens: the host asks every item's state.
    void OpenPopup(HMENU popup);
    // Chooses the item as a person does: opens its popup, then clicks it.
    void Choose(HMENU popup, int position);

    TestMainFrame* m_pMainWnd = nullptr;
    Pointer<MenuManagerStdImpl> m_pMenuManager;
    Pointer<AcceleratorManagerStdImpl> m_pAccelManager;
    Pointer<FakePlayer> m_pPlayer;
    Pointer<FakePlayerTimer> m_pTimer;
    Pointer<FakeTimeLine> m_pTimeLine;
    Pointer<FakeProject> m_pProject;
};
