#include "TestHost.h"

#include "commands/ControlMenuHandler.h"
#include "commands/ViewMenuHandler.h"
#include "platform/Menu.h"

namespace {

class RecordingHandler : public MenuHandler {
  public:
    ~RecordingHandler() override { ++s_nDestroyed; }
    void UpdateMenuItem(int cookie, Pointer<MenuItemState> state) override {
        state->Enable(cookie != 0);
    }
    void ExecuteMenuItem(int cookie) override {
        CallLog().push_back("Execute(" + std::to_string(cookie) + ")");
    }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name).Answer("MenuHandler", static_cast<MenuHandler*>(this)).Result();
    }

    static inline int s_nDestroyed = 0;
};

class MenuManagerTest : public CommandsTest {
  protected:
    int Add(int cookie, const char* path, const char* text, bool popup = false,
            bool separator = false, const char* prompt = "") {
        return m_pMenuManager->AddMenuItem(cookie, path, text, m_pHandler, popup, separator,
                                           prompt);
    }
    // A popup of the test's own at the end of the menu bar.
    HMENU AddExtraMenu() {
        Add(-1, "", "&Extra", true);
        return FindPopup(MenuBar(), "&Extra");
    }

    Pointer<MenuHandler> m_pHandler{new RecordingHandler};
};

TEST_F(MenuManagerTest, CommandIdentifiersStartAt101AndSkipPopupsAndSeparators) {
    EXPECT_EQ(Add(1, "&File\n*", "One"), 101);
    EXPECT_EQ(Add(-1, "", "&Extra", true), -1);
    EXPECT_EQ(Add(-1, "&File\n*", "", false, true), -1);
    EXPECT_EQ(Add(2, "&Extra\n*", "Two"), 102);
    EXPECT_EQ(Add(3, "&Extra\n*", "Three"), 103);

    EXPECT_EQ(Describe(FindPopup(MenuBar(), "&File")),
              (Texts{"E&xit\tAlt+F4|57665|", "One|101|", "-"}));
    EXPECT_EQ(Describe(FindPopup(MenuBar(), "&Extra")), (Texts{"Two|102|", "Three|103|"}));
}

TEST_F(MenuManagerTest, APathNamingAnItemInsertsJustBeforeIt) {
    Add(-1, "&Window", "&Control", true);
    EXPECT_EQ(ReadTexts(MenuBar()),
              (Texts{"&File", "&Edit", "&View", "&Control", "&Window", "&Help"}));

    for (const char* text : {"&New\tCtrl+N", "&Open\tCtrl+O"})
        Add(1, "&File\nE&xit\tAlt+F4", text);
    Add(-1, "&File\nE&xit\tAlt+F4", "", false, true);
    EXPECT_EQ(ReadTexts(FindPopup(MenuBar(), "&File")),
              (Texts{"&New\tCtrl+N", "&Open\tCtrl+O", "-", "E&xit\tAlt+F4"}));
}

TEST_F(MenuManagerTest, PopupsNestAndAreNotDuplicated) {
    HMENU extra = AddExtraMenu();
    EXPECT_EQ(Add(-1, "&Extra\n*", "Orthographic", true), -1);
    Add(2, "&Extra\nOrthographic\n*", "Top\tCtrl+W");
    Add(3, "&Extra\nOrthographic\n*", "Front\tCtrl+E");

    // The same popup text again adds nothing, wherever the path points.
    EXPECT_EQ(Add(-1, "&Extra\n0", "Orthographic", true), -1);
    EXPECT_EQ(Add(-1, "", "&View", true), -1);
    EXPECT_EQ(Add(-1, "", "&Extra", true), -1);
    EXPECT_EQ(ReadTexts(MenuBar()),
              (Texts{"&File", "&Edit", "&View", "&Window", "&Help", "&Extra"}));
    EXPECT_EQ(ReadTexts(extra), (Texts{"Orthographic"}));
    EXPECT_EQ(ReadTexts(FindPopup(extra, "Orthographic")), (Texts{"Top\tCtrl+W", "Front\tCtrl+E"}));

    // Another text is another popup, and a plain command's text is no popup.
    Add(-1, "&Extra\n*", "orthographic", true);
    Add(1, "&Extra\n*", "&About");
    Add(-1, "&Extra\n*", "&About", true);
    EXPECT_EQ(Describe(extra),
              (Texts{"Orthographic|-1|", "orthographic|-1|", "&About|103|", "&About|-1|"}));
}

TEST_F(MenuManagerTest, PositionsByIndexAndByText) {
    HMENU extra = AddExtraMenu();
    Add(1, "&Extra\n*", "A");
    Add(2, "&Extra\n-1", "B");
    Add(3, "&Extra\n0", "C");
    Add(4, "&Extra\n1", "D");
    Add(5, "&Extra\n99", "E"); // past the end appends
    EXPECT_EQ(ReadTexts(extra), (Texts{"C", "D", "A", "B", "E"}));

    // "007" does not format back to itself: it is item text.
    Add(6, "&Extra\n007", "F");
    Add(7, "&Extra\n*", "007");
    Add(8, "&Extra\n007", "G");
    // Text is matched exactly, ampersand and case included.
    Add(9, "&Extra\nc", "H");
    Add(10, "&Extra\n&C", "I");
    Add(11, "&Extra\n 1", "J");
    EXPECT_EQ(ReadTexts(extra), (Texts{"C", "D", "A", "B", "E", "F", "G", "007", "H", "I", "J"}));
}

TEST_F(MenuManagerTest, APathThatNamesNothingEndsAtTheMenuReachedSoFar) {
    // No "&Control" popup: the command goes to the end of the menu bar itself.
    EXPECT_EQ(Add(1, "&Control\n*", "&Play\tEnter"), 101);
    EXPECT_EQ(ReadTexts(MenuBar()),
              (Texts{"&File", "&Edit", "&View", "&Window", "&Help", "&Play\tEnter"}));
    // The rest of the path is ignored once a segment names nothing.
    Add(2, "&Missing\n&File", "Second");
    EXPECT_EQ(ReadTexts(MenuBar()).back(), "Second");
    // An inner segment naming a plain command cannot be descended into.
    Add(3, "&Play\tEnter\n0", "Third");
    EXPECT_EQ(ReadTexts(MenuBar()).back(), "Third");
    // An empty path is the end of the menu bar.
    Add(-1, "", "&Tools", true);
    EXPECT_EQ(ReadTexts(MenuBar()).back(), "&Tools");
    // A position index descends too: "&Window" is the fourth menu.
    Add(4, "3\n0", "Top of Window");
    EXPECT_EQ(ReadTexts(FindPopup(MenuBar(), "&Window")).front(), "Top of Window");
}

TEST_F(MenuManagerTest, CommandsStatesAndPromptsReachTheHandlerByCookie) {
    int id = Add(7, "&File\n*", "Seven", false, false, "Status text\nTool tip");
    int other = Add(8, "&File\n*", "Eight", false, false, "");

    m_pMenuManager->ExecuteCommand(id);
    m_pMenuManager->ExecuteCommand(other);
    m_pMenuManager->ExecuteCommand(99);
    m_pMenuManager->ExecuteCommand(200);
    EXPECT_EQ(CallLog(), (Texts{"Execute(7)", "Execute(8)"}));

    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(id), "Status text\nTool tip");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(other), "");
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(200), "");

    Pointer<RecordingMenuItemState> state(new RecordingMenuItemState);
    m_pMenuManager->UpdateCommandUI(id, state);
    m_pMenuManager->UpdateCommandUI(200, state);
    EXPECT_EQ(state->m_calls, (Texts{"Enable(1)"}));
}

TEST_F(MenuManagerTest, ShutdownForgetsTheCommandsAndReleasesTheHandlers) {
    RecordingHandler::s_nDestroyed = 0;
    // Popups and separators keep no reference to the handler.
    Add(-1, "", "&Extra", true);
    Add(-1, "&Extra\n*", "", false, true);
    Add(-1, "", "&Extra", true); // refused
    EXPECT_EQ(m_pHandler->GetRefCount(), 1);
    int id = Add(7, "&File\n*", "Seven");
    m_pHandler.Reset(); // the command record keeps it alive
    EXPECT_EQ(RecordingHandler::s_nDestroyed, 0);
    m_pMenuManager->ExecuteCommand(id);
    EXPECT_EQ(CallLog(), (Texts{"Execute(7)"}));

    m_pMenuManager->Shutdown();
    EXPECT_EQ(RecordingHandler::s_nDestroyed, 1);
    m_pMenuManager->ExecuteCommand(id);
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(id), "");
    EXPECT_EQ(CallLog().size(), 1u);
    // Identifiers are never reused; the items stay in the menu bar.
    m_pHandler = new RecordingHandler;
    EXPECT_EQ(Add(7, "&File\n*", "Seven again"), id + 1);
    EXPECT_EQ(ReadTexts(FindPopup(MenuBar(), "&File")),
              (Texts{"E&xit\tAlt+F4", "Seven", "Seven again"}));
}

TEST(MenuManagerWithoutMainWindowTest, AddsNothingAndReleasesTheHandler) {
    ASSERT_EQ(AfxGetMainWnd(), nullptr);
    RecordingHandler::s_nDestroyed = 0;
    Pointer<MenuManagerStdImpl> menuManager(new MenuManagerStdImpl);
    EXPECT_EQ(menuManager->AddMenuItem(1, "&File\n*", "One",
                                       Pointer<MenuHandler>(new RecordingHandler), false, false,
                                       "prompt"),
              -1);
    EXPECT_EQ(RecordingHandler::s_nDestroyed, 1);
    EXPECT_EQ(menuManager->GetCommandPrompt(101), "");
}

TEST(CommandClassTest, EachClassAnswersItsInterfacesAndNeedsItsProvidersFirst) {
    const Texts handler = {"MenuHandler", "StaticInstancePlugin", "BasePlugin"};
    const ClassContract contracts[] = {
        {[] { return new MenuManagerStdImpl; },
         "MenuManagerStdImpl",
         {"MenuManager", "SharedObject", "StaticInstancePlugin", "BasePlugin"},
         {"menumanager", "MenuHandler"},
         {},
         "Menu Manager"},
        {[] { return new AcceleratorManagerStdImpl; },
         "AcceleratorManagerStdImpl",
         {"AcceleratorManager", "SharedObject", "StaticInstancePlugin", "BasePlugin"},
         {"MenuManager"},
         {},
         "KBAccel Manager"},
        {[] { return new ViewMenuHandler; },
         "ViewMenuHandler",
         handler,
         {"SharedObject"},
         {"MenuManager", "AcceleratorManager"},
         ""},
        {[] { return new ControlMenuHandler; },
         "ControlMenuHandler",
         handler,
         {"SharedObject"},
         {"MenuManager", "AcceleratorManager", "Player"},
         ""},
    };
    for (const ClassContract& contract : contracts)
        ExpectContract(contract);
}

} // namespace
