#pragma once

#include "PlatformTestSupport.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/Menu.h"

#include <string>
#include <vector>

// A main window that writes down its commands and menu messages.
class CommandFrame : public CMDIFrameWnd {
  public:
    std::vector<std::string> m_log;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        m_log.push_back(CommandEntry(wParam));
        return TRUE;
    }
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL) override {
        m_log.push_back("WM_INITMENUPOPUP " + std::to_string(nIndex) + " " +
                        std::to_string(GetMenuItemCount(hPopupMenu)));
    }
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU) override {
        m_log.push_back("WM_MENUSELECT " + std::to_string(nItemID) + " " + std::to_string(nFlags));
    }
};
