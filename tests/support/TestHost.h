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

#include <functional>

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

// What a single-instance plug-in class of the module answers, in one table per folder: its
// own name and each of `answered`, never "BaseObject" nor any of `refused`;
// the interfaces it needs started before it; the name it is shared under, or
// "" when it is not shared.
struct ClassContract {
    std::function<BaseObject*()> make;
    const char* className;
    Texts answered, refused, required;
    const char* sharedName;
};
void ExpectContract(const ClassContract& contract);

class CommandsTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    HMENU MenuBar() const;
    // Publishes an object until the end of the test.
    void Publish(Pointer<SharedObject> object);
    // A real key press and release, as a person makes it, in the focused window.
    void PressKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    TestMainFrame* m_pMainWnd = nullptr;
    Pointer<MenuManagerStdImpl> m_pMenuManager;
    Pointer<AcceleratorManagerStdImpl> m_pAccelManager;
    Pointer<FakePlayer> m_pPlayer;
    Pointer<FakePlayerTimer> m_pTimer;
    Pointer<FakeTimeLine> m_pTimeLine;
    Pointer<FakeProject> m_pProject;
};
