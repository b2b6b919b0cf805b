#include "CommandFrame.h"

#include <QAction>
#include <QMenu>

namespace {

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_pMain = new CommandFrame;
        ASSERT_TRUE(m_pMain->LoadFrame(128));
        m_pMain->ShowWindow(SW_SHOW);
        m_hBar = GetMenu(m_pMain);
        ASSERT_NE(m_hBar, nullptr);
    }
    void TearDown() override {
        m_pMain->DestroyWindow();
        FlushDeletes();
    }

    std::string Text(HMENU hMenu, int nPos) {
        char text[256];
        GetMenuStringA(hMenu, static_cast<UINT>(nPos), text, sizeof text, MF_BYPOSITION);
        return text;
    }
    std::vector<std::string> Texts(HMENU hMenu) {
        std::vector<std::string> texts;
        for (int i = 0; i < GetMenuItemCount(hMenu); ++i)
            texts.push_back(Text(hMenu, i));
        return texts;
    }
    HMENU AddPopup(HMENU hMenu, UINT uPosition, const char* text) {
        HMENU hPopup = CreatePopupMenu();
        EXPECT_TRUE(InsertMenuA(hMenu, uPosition, MF_BYPOSITION | MF_POPUP,
                                reinterpret_cast<UINT_PTR>(hPopup), text));
        return hPopup;
    }

    CommandFrame* m_pMain = nullptr;
    HMENU m_hBar = nullptr;
};

TEST_F(MenuTest, ItemTextsAreKeptExactlyWithMnemonicAndShortcut) {
    HMENU hFile = AddPopup(m_hBar, static_cast<UINT>(-1), "&File");
    ASSERT_TRUE(AppendMenuA(hFile, MF_STRING, 57665, "E&xit\tAlt+F4"));
    EXPECT_EQ(Text(m_hBar, 0), "&File");
    EXPECT_EQ(Text(hFile, 0), "E&xit\tAlt+F4");
    EXPECT_EQ(GetMenuStringA(hFile, 0, nullptr, 0, MF_BYPOSITION), 12);
    char small[5];
    EXPECT_EQ(GetMenuStringA(hFile, 0, small, sizeof small, MF_BYPOSITION), 4);
    EXPECT_STREQ(small, "E&xi");
    // Looked up by command identifier as well.
    char byCommand[32];
    EXPECT_EQ(GetMenuStringA(m_hBar, 57665, byCommand, sizeof byCommand, MF_BYCOMMAND), 12);
}

TEST_F(MenuTest, PopupsNest) {
    HMENU hView = AddPopup(m_hBar, static_cast<UINT>(-1), "&View");
    HMENU hWindow = AddPopup(m_hBar, static_cast<UINT>(-1), "&Window");
    HMENU hOrtho = AddPopup(hView, static_cast<UINT>(-1), "Orthographic");
    AppendMenuA(hOrtho, MF_STRING, 110, "Top\tCtrl+W");
    AddPopup(m_hBar, 1, "&Control");
    EXPECT_THAT(Texts(m_hBar), ElementsAre("&View", "&Control", "&Window"));
    EXPECT_EQ(GetSubMenu(m_hBar, 2), hWindow);
    EXPECT_EQ(GetSubMenu(GetSubMenu(m_hBar, 0), 0), hOrtho);
    EXPECT_EQ(GetSubMenu(hOrtho, 0), nullptr);
    EXPECT_EQ(GetMenuState(hView, 0, MF_BYPOSITION), MF_POPUP | (1u << 8));
    // A popup cannot be inserted twice.
    EXPECT_FALSE(InsertMenuA(hWindow, 0, MF_BYPOSITION | MF_POPUP,
                             reinterpret_cast<UINT_PTR>(hOrtho), "Again"));
}

TEST_F(MenuTest, DeletingRemovesAnItemByPositionOrCommandAndAPopupWithIt) {
    HMENU hWindow = AddPopup(m_hBar, static_cast<UINT>(-1), "&Window");
    AppendMenuA(hWindow, MF_STRING, 130, "&Cascade");
    AppendMenuA(hWindow, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hWindow, MF_STRING, 131, "&1 Top");
    HMENU hMore = AddPopup(hWindow, static_cast<UINT>(-1), "More");
    EXPECT_TRUE(DeleteMenu(m_hBar, 131, MF_BYCOMMAND));
    EXPECT_TRUE(DeleteMenu(hWindow, 1, MF_BYPOSITION));
    EXPECT_TRUE(DeleteMenu(hWindow, 1, MF_BYPOSITION));
    EXPECT_THAT(Texts(hWindow), ElementsAre("&Cascade"));
    EXPECT_EQ(GetMenuItemCount(hMore), -1);
    EXPECT_FALSE(DeleteMenu(hWindow, 5, MF_BYPOSITION));
    EXPECT_FALSE(DeleteMenu(m_hBar, 131, MF_BYCOMMAND));
}

TEST_F(MenuTest, EnableAndCheckFindItemsInSubmenus) {
    HMENU hControl = AddPopup(m_hBar, static_cast<UINT>(-1), "&Control");
    AppendMenuA(hControl, MF_STRING, 120, "&Play\tEnter");
    AppendMenuA(hControl, MF_STRING | MF_GRAYED | MF_CHECKED, 121, "&Stop\tEsc");
    EXPECT_EQ(GetMenuState(m_hBar, 121, MF_BYCOMMAND), MF_GRAYED | MF_CHECKED);
    EXPECT_EQ(EnableMenuItem(m_hBar, 120, MF_BYCOMMAND | MF_GRAYED), static_cast<int>(MF_ENABLED));
    EXPECT_EQ(CheckMenuItem(m_hBar, 120, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(GetMenuState(hControl, 0, MF_BYPOSITION), MF_GRAYED | MF_CHECKED);
    EXPECT_EQ(EnableMenuItem(hControl, 1, MF_BYPOSITION | MF_ENABLED), static_cast<int>(MF_GRAYED));
    EXPECT_EQ(CheckMenuItem(hControl, 1, MF_BYPOSITION | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(GetMenuState(hControl, 1, MF_BYPOSITION), 0u);
    EXPECT_EQ(EnableMenuItem(m_hBar, 999, MF_BYCOMMAND), -1);
    EXPECT_EQ(GetMenuState(m_hBar, 999, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(MenuTest, ChoosingAnItemSendsItsCommandToTheMainWindowButItsShortcutTextIsNotBound) {
    HMENU hFile = AddPopup(m_hBar, static_cast<UINT>(-1), "&File");
    AppendMenuA(hFile, MF_STRING | MF_CHECKED, 130, "&Save\tCtrl+S");
    AppendMenuA(m_hBar, MF_STRING, 131, "Top level");
    m_pMain->GetWidget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_pMain->GetWidget()));
    QTest::keyClick(m_pMain->GetWidget()->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(GetMenuItemAction(hFile, 0)->shortcut().isEmpty());
    GetMenuItemAction(hFile, 0)->trigger();
    GetMenuItemAction(m_hBar, 1)->trigger();
    EXPECT_THAT(m_pMain->m_log, ElementsAre("WM_COMMAND 130 0", "WM_COMMAND 131 0"));
    // Choosing an item does not change its check mark.
    EXPECT_EQ(GetMenuState(hFile, 0, MF_BYPOSITION), MF_CHECKED);
}

TEST_F(MenuTest, APopupAsksItsOwnerBeforeItOpensAndReportsHighlighting) {
    AddPopup(m_hBar, static_cast<UINT>(-1), "&File");
    HMENU hView = AddPopup(m_hBar, static_cast<UINT>(-1), "&View");
    AppendMenuA(hView, MF_STRING, 140, "Camera\tCtrl+Q");
    auto* menu = qobject_cast<QMenu*>(GetMenuItemAction(m_hBar, 1)->menu());
    ASSERT_NE(menu, nullptr);
    menu->popup(QPoint(0, 0));
    GetMenuItemAction(hView, 0)->hover();
    menu->hide();
    EXPECT_THAT(m_pMain->m_log, ElementsAre("WM_INITMENUPOPUP 1 1", "WM_MENUSELECT 140 0",
                                            "WM_MENUSELECT 0 65535"));
}

TEST_F(MenuTest, DestroyedMenusAreRefusedEverywhereAndLeaveTheBar) {
    HMENU hHelp = AddPopup(m_hBar, static_cast<UINT>(-1), "&Help");
    AppendMenuA(hHelp, MF_STRING, 160, "&About");
    EXPECT_TRUE(DestroyMenu(hHelp));
    EXPECT_EQ(GetMenuItemCount(m_hBar), 0);
    EXPECT_FALSE(DestroyMenu(hHelp));
    EXPECT_EQ(GetMenuItemCount(hHelp), -1);
    EXPECT_FALSE(
        InsertMenuA(m_hBar, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(hHelp), "x"));
    EXPECT_EQ(GetMenuItemCount(m_hBar), 0);
}

} // namespace
