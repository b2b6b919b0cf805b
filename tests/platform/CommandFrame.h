#pragma once

#include "PlatformTestSupport.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/Menu.h"

#include <string>
#include <vector>

// A main window that writes down its commands and menu messages, and greys
// the first item of a popup it is asked to update when m_bDisableOnUpdate.
class CommandFrame : public CMDIFrameWnd {
  public:
    std::vector<std::string> m_log;
    bool m_bDisableOnUpdate = false;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        m_log.push_back(CommandEntry(wParam));
        return TRUE;
    }
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL) override {
        m_log.push_back("WM_INITMENUPOPUP " + std::to_string(nIndex) + " " +
                        std::to_string(GetMenuItemCount(hPopupMenu)));
        if (m_bDisableOnUpdate)
            EnableMenuItem(hPopupMenu, 0, MF_BYPOSITION | MF_GRAYED);
    }
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU) override {
        m_log.push_back("WM_MENUSELECT " + std::to_string(nItemID) + " " + std::to_string(nFlags));
    }
};
