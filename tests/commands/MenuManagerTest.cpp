#include "TestHost.h"

#include "commands/ControlMenuHandler.h"
#include "commands/ViewMenuHandler.h"
#include "platform/Menu.h"

namespace {

class RecordingHandler : public MenuHandler {
  public:
    ~RecordingHandler() override { ++s_nDestroyed; }
    void UpdateMenuItem(int, Pointer<MenuItemState>) override {}
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

TEST_F(MenuManagerTest, PathsPlaceByIndexOrExactTextElseAtTheEndOfTheMenuReachedSoFar) {
    HMENU extra = AddExtraMenu();
    // Past the end appends; "007" does not format back to itself, so it is item
    // text; text is matched exactly, ampersand and case included. Without a
    // "&Control" popup an item goes to the end of the menu bar itself, and the
    // rest of a path is ignored once a segment names nothing or a plain command.
    // A position index descends too: "&Window" is the fourth menu.
    Add(2, "&Control\n*", "Play");
    Add(3, "&Missing\n&File", "Second");
    Add(4, "Play\n0", "Third");
    Add(5, "3\n0", "Top of Window");
    EXPECT_EQ(ReadTexts(MenuBar()), (Texts{"&File", "&Edit", "&View", "&Window", "&Help", "&Extra",
                                           "Play", "Second", "Third"}));
    const std::pair<std::string, const char*> items[] = {
        {"*", "A"},   {"-1", "B"},  {"0", "C"}, {"1", "D"},  {"99", "E"}, {"007", "F"},
        {"*", "007"}, {"007", "G"}, {"c", "H"}, {"&C", "I"}, {" 1", "J"},
    };
    for (const auto& [position, text] : items)
        Add(1, ("&Extra\n" + position).c_str(), text);
    EXPECT_EQ(ReadTexts(extra), (Texts{"C", "D", "A", "B", "E", "F", "G", "007", "H", "I", "J"}));
    EXPECT_EQ(ReadTexts(FindPopup(MenuBar(), "&Window")).front(), "Top of Window");
    // A popup's text is matched exactly, among popups only, wherever the
    // path points: the same text again adds nothing.
    const std::pair<const char*, const char*> popups[] = {
        {"*", "Sub"}, {"0", "Sub"}, {"*", "sub"}, {"*", "C"}, {"", "&Extra"}, {"", "&View"}};
    for (const auto& [position, text] : popups)
        EXPECT_EQ(
            Add(-1, *position ? ("&Extra\n" + std::string(position)).c_str() : "", text, true), -1);
    EXPECT_EQ(ReadTexts(extra),
              (Texts{"C", "D", "A", "B", "E", "F", "G", "007", "H", "I", "J", "Sub", "sub", "C"}));
    // An empty path is the end of the menu bar.
    Add(-1, "", "&Tools", true);
    EXPECT_EQ(ReadTexts(MenuBar()), (Texts{"&File", "&Edit", "&View", "&Window", "&Help", "&Extra",
                                           "Play", "Second", "Third", "&Tools"}));
}

TEST_F(MenuManagerTest, ShutdownForgetsTheCommandsAndReleasesTheHandlers) {
    RecordingHandler::s_nDestroyed = 0;
    // Popups and separators keep no reference to the handler.
    Add(-1, "", "&Extra", true);
    EXPECT_EQ(Add(-1, "&Extra\n*", "", false, true), -1);
    Add(-1, "", "&Extra", true); // refused
    EXPECT_EQ(m_pHandler->GetRefCount(), 1);
    int id = Add(7, "&File\n*", "Seven");
    m_pHandler.Reset(); // the command record keeps it alive
    EXPECT_EQ(RecordingHandler::s_nDestroyed, 0);
    // Identifiers nobody was given reach nobody.
    for (int command : {id, 99, 200})
        m_pMenuManager->ExecuteCommand(command);
    EXPECT_EQ(CallLog(), (Texts{"Execute(7)"}));
    EXPECT_EQ(m_pMenuManager->GetCommandPrompt(200), "");

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

template <class Class> BaseObject* Make() {
    return new Class;
}

TEST(CommandClassTest, EachClassAnswersItsInterfacesAndNeedsItsProvidersFirst) {
    const Texts handler = {"MenuHandler", "StaticInstancePlugin", "BasePlugin"};
    const ClassContract contracts[] = {
        {Make<MenuManagerStdImpl>, "MenuManagerStdImpl",
         Texts{"MenuManager", "SharedObject", "StaticInstancePlugin", "BasePlugin"},
         Texts{"menumanager", "MenuHandler"}, Texts{}, "Menu Manager"},
        {Make<AcceleratorManagerStdImpl>, "AcceleratorManagerStdImpl",
         Texts{"AcceleratorManager", "SharedObject", "StaticInstancePlugin", "BasePlugin"},
         Texts{"MenuManager"}, Texts{}, "KBAccel Manager"},
        {Make<ViewMenuHandler>, "ViewMenuHandler", handler, Texts{"SharedObject"},
         Texts{"MenuManager", "AcceleratorManager"}, ""},
        {Make<ControlMenuHandler>, "ControlMenuHandler", handler, Texts{"SharedObject"},
         Texts{"MenuManager", "AcceleratorManager", "Player"}, ""},
    };
    for (const ClassContract& contract : contracts)
        ExpectContract(contract);
}

} // namespace
