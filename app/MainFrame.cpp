#include "app/MainFrame.h"

#include "app/HostMenuItemState.h"
#include "app/SharedService.h"

#include "host/AcceleratorManager.h"
#include "host/MenuManager.h"

#include "platform/CMDIChildWnd.h"
#include "platform/Keyboard.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>
#include <iterator>

namespace {

// The status bar's text while no menu item is highlighted.
constexpr const char* kIdleMessage = "Ready";

struct HostCommand {
    UINT nID;
    const char* pszPrompt;
};
constexpr HostCommand kHostCommands[] = {
    {ID_APP_EXIT, "Quit the application\nExit"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
    {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {ID_APP_ABOUT, "Display program information\nAbout"},
};

HMENU AppendPopup(HMENU hBar, const char* text) {
    HMENU hPopup = CreatePopupMenu();
    AppendMenuA(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), text);
    return hPopup;
}

Pointer<MenuManager> FindMenuManager() {
    return FindSharedService<MenuManager>("Menu Manager", "MenuManager");
}

// Qt shows a menu's tool tips only when the menu asks for them.
void ShowToolTipsOf(QAction* action) {
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            menu->setToolTipsVisible(true);
}

} // namespace

BOOL MainFrame::CreateMainWindow() {
    if (!LoadFrame(0, WS_OVERLAPPEDWINDOW))
        return FALSE;
    SetWindowText("Corvane");
    BuildMenus();
    SetMessageText(kIdleMessage);
    SetKeyMessageFilter([](MSG& message) {
        Pointer<AcceleratorManager> accelerators =
            FindSharedService<AcceleratorManager>("KBAccel Manager", "AcceleratorManager");
        return accelerators && accelerators->TranslateAccelerator(&message);
    });
    ShowWindow(SW_SHOW);
    return TRUE;
}

void MainFrame::BuildMenus() {
    HMENU hBar = GetMenu(GetSafeHwnd());
    AppendMenuA(AppendPopup(hBar, "&File"), MF_STRING, ID_APP_EXIT, "E&xit\tAlt+F4");
    AppendMenuA(AppendPopup(hBar, "&View"), MF_STRING, ID_VIEW_STATUS_BAR, "&Status Bar");
    HMENU hWindow = AppendPopup(hBar, "&Window");
    AppendMenuA(hWindow, MF_STRING, ID_WINDOW_CASCADE, "&Cascade");
    AppendMenuA(hWindow, MF_STRING, ID_WINDOW_TILE_HORZ, "&Tile");
    AppendMenuA(AppendPopup(hBar, "&Help"), MF_STRING, ID_APP_ABOUT, "&About Corvane...");
    DrawMenuBar(GetSafeHwnd());
}

bool MainFrame::IsHostCommand(UINT nID) const {
    return std::any_of(std::begin(kHostCommands), std::end(kHostCommands),
                       [nID](const HostCommand& command) { return command.nID == nID; });
}

BOOL MainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    if (ExecuteHostCommand(nID))
        return TRUE;
    if (nID >= kFirstPluginCommand) {
        if (Pointer<MenuManager> manager = FindMenuManager())
            manager->ExecuteCommand(static_cast<int>(nID));
        return TRUE;
    }
    return CMDIFrameWnd::OnCommand(wParam, lParam);
}

bool MainFrame::ExecuteHostCommand(UINT nID) {
    switch (nID) {
    case ID_APP_EXIT:
        // Closed once this command has returned, so that no handler runs on a
        // destroyed frame.
        QMetaObject::invokeMethod(
            GetWidget(), [this] { SendMessage(WM_CLOSE); }, Qt::QueuedConnection);
        return true;
    case ID_VIEW_STATUS_BAR:
        GetStatusBar()->setVisible(!GetStatusBar()->isVisible());
        return true;
    case ID_WINDOW_CASCADE:
        GetMDIArea()->cascadeSubWindows();
        return true;
    case ID_WINDOW_TILE_HORZ:
        GetMDIArea()->tileSubWindows();
        return true;
    case ID_APP_ABOUT:
        AfxMessageBox("Corvane\nAuthoring of interactive 3D projects", MB_OK | MB_ICONINFORMATION);
        return true;
    default:
        return false;
    }
}

void MainFrame::OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu) {
    CMDIFrameWnd::OnInitMenuPopup(hPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu)
        UpdatePopupState(hPopupMenu);
}

void MainFrame::UpdatePopupState(HMENU hPopup) {
    Pointer<MenuManager> manager = FindMenuManager();
    int count = GetMenuItemCount(hPopup);
    for (int position = 0; position < count; ++position) {
        UINT nID = GetMenuItemID(hPopup, position);
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue; // separators and popups have no state of their own
        if (IsHostCommand(nID))
            UpdateHostItem(hPopup, position, nID);
        else if (manager && nID >= kFirstPluginCommand)
            manager->UpdateCommandUI(
                static_cast<int>(nID),
                Pointer<MenuItemState>(new HostMenuItemState(hPopup, position)));
    }
}

void MainFrame::UpdateHostItem(HMENU hMenu, int nPosition, UINT nID) {
    if (nID == ID_VIEW_STATUS_BAR)
        CheckMenuItem(hMenu, static_cast<UINT>(nPosition),
                      MF_BYPOSITION | (GetStatusBar()->isVisible() ? MF_CHECKED : MF_UNCHECKED));
}

String MainFrame::GetCommandPrompt(UINT nID) const {
    for (const HostCommand& command : kHostCommands)
        if (command.nID == nID)
            return command.pszPrompt;
    if (nID < kFirstPluginCommand)
        return String();
    Pointer<MenuManager> manager = FindMenuManager();
    return manager ? manager->GetCommandPrompt(static_cast<int>(nID)) : String();
}

// The status bar shows the prompt's first part; the part after the line feed
// becomes the item's tool tip.
void MainFrame::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && !hSysMenu) {
        SetMessageText(kIdleMessage);
        return;
    }
    if (nFlags & (MF_POPUP | MF_SEPARATOR)) {
        SetMessageText("");
        return;
    }
    std::string prompt = GetCommandPrompt(nItemID).str();
    size_t feed = prompt.find('\n');
    SetMessageText(prompt.substr(0, feed).c_str());
    if (!hSysMenu)
        return;
    int count = GetMenuItemCount(hSysMenu);
    for (int position = 0; position < count; ++position) {
        QAction* action = GetMenuItemAction(hSysMenu, position);
        if (action && GetMenuItemID(hSysMenu, position) == nItemID) {
            action->setToolTip(
                QString::fromStdString(feed == std::string::npos ? "" : prompt.substr(feed + 1)));
            ShowToolTipsOf(action);
        }
    }
}

void MainFrame::OnDestroy() {
    SetKeyMessageFilter({});
    CMDIFrameWnd::OnDestroy();
}

std::vector<CMDIChildWnd*> MainFrame::GetChildFrames() const {
    std::vector<CMDIChildWnd*> frames;
    for (QMdiSubWindow* sub : GetMDIArea()->subWindowList(QMdiArea::StackingOrder))
        if (auto* frame = dynamic_cast<CMDIChildWnd*>(CWnd::FromWidget(sub->widget())))
            frames.push_back(frame);
    return frames;
}

CMDIChildWnd* MainFrame::FindChildFrame(const std::string& title) const {
    for (CMDIChildWnd* frame : GetChildFrames()) {
        String text;
        frame->GetWindowText(text);
        if (text.str() == title)
            return frame;
    }
    return nullptr;
}
