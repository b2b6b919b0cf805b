#pragma once

#include "framework/String.h"
#include "platform/CMDIFrameWnd.h"

#include <string>
#include <vector>

class CMDIChildWnd;

// Command identifiers of the host's own menu items, with their MFC values.
inline constexpr UINT ID_APP_ABOUT = 0xE140;
inline constexpr UINT ID_APP_EXIT = 0xE141;
inline constexpr UINT ID_WINDOW_CASCADE = 0xE132;
inline constexpr UINT ID_WINDOW_TILE_HORZ = 0xE133;
inline constexpr UINT ID_VIEW_STATUS_BAR = 0xE801;

// The host's main window: the MDI area, the host's own menus, the status bar,
// and the routing of plug-in commands. Every identifier from 101 up that is
// not one of the host's own goes to the menu manager ("Menu Manager"); every
// key message is offered to the accelerator manager ("KBAccel Manager")
// before the focused window sees it. Without those services routing simply
// does nothing.
class MainFrame : public CMDIFrameWnd {
  public:
    static constexpr UINT kFirstPluginCommand = 101;

    // Makes and shows the window titled "Corvane" with the menus "&File"
    // (holding "E&xit\tAlt+F4"), "&View", "&Window" and "&Help" and a status
    // bar; it becomes the application's main window.
    BOOL CreateMainWindow();

    // "status text\ntool tip" of a command; empty when it has none.
    String GetCommandPrompt(UINT nID) const;

    // The MDI child frames, bottom of the stack first.
    std::vector<CMDIChildWnd*> GetChildFrames() const;
    // The child frame with exactly that title, or null.
    CMDIChildWnd* FindChildFrame(const std::string& title) const;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu) override;
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) override;
    void OnDestroy() override;

  private:
    void BuildMenus();
    // Asks the state of every command item of a popup, as before it opens.
    void UpdatePopupState(HMENU hPopup);
    bool ExecuteHostCommand(UINT nID);
    bool IsHostCommand(UINT nID) const;
    void UpdateHostItem(HMENU hMenu, int nPosition, UINT nID);
};
