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

TEST_F(MenuTest, ItemsAreKeptExactlyAndDeletedByPosition) {
    HMENU hWindow = AddPopup(m_hBar, static_cast<UINT>(-1), "&Window");
    AppendMenuA(hWindow, MF_STRING, 130, "&Cascade\tShift+F5");
    AppendMenuA(hWindow, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hWindow, MF_STRING | MF_GRAYED | MF_CHECKED, 131, "&1 Top");
    AddPopup(hWindow, static_cast<UINT>(-1), "More");
    AddPopup(m_hBar, 0, "&File");
    EXPECT_THAT(Texts(m_hBar), ElementsAre("&File", "&Window"));
    EXPECT_EQ(GetMenuStringA(hWindow, 0, nullptr, 0, MF_BYPOSITION), 17);
    EXPECT_EQ(GetMenuState(hWindow, 1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(hWindow, 2, MF_BYPOSITION), MF_GRAYED | MF_CHECKED);
    EXPECT_EQ(GetMenuState(hWindow, 3, MF_BYPOSITION), MF_POPUP);
    EXPECT_TRUE(DeleteMenu(hWindow, 1, MF_BYPOSITION));
    EXPECT_TRUE(DeleteMenu(hWindow, 2, MF_BYPOSITION));
    EXPECT_FALSE(DeleteMenu(hWindow, 5, MF_BYPOSITION));
    EXPECT_THAT(Texts(hWindow), ElementsAre("&Cascade\tShift+F5", "&1 Top"));
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

} // namespace
