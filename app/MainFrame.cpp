#include "app/MainFrame.h"

#include "app/AboutBox.h"
#include "app/HostMenuItemState.h"
#include "app/MenuDriver.h"
#include "app/RecoveryKeeper.h"
#include "app/SharedService.h"
#include "app/UndoController.h"
#include "app/Workspace.h"

#include "host/AcceleratorManager.h"
#include "host/MenuManager.h"
#include "model/ProjectModel.h"

#include "platform/Accelerator.h"
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
#include <filesystem>
#include <iterator>

namespace {

// The status bar's text while no menu item is highlighted.
constexpr const char* kIdleMessage = "Ready";
// As in MFC, the Window menu lists the first nine windows.
constexpr UINT kMaxListedWindows = 9;
constexpr const char* kWindowListPrompt = "Activate this window\nActivate";

struct HostCommand {
    UINT nID;
    const char* pszPrompt;
};
constexpr HostCommand kHostCommands[] = {
    {ID_APP_EXIT, "Quit the application\nExit"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_EDIT_REDO, "Redo the previously undone action\nRedo"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
    {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {ID_WINDOW_DEFAULT_LAYOUT,
     "Open the authoring windows and arrange them as at the first start\nDefault Layout"},
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

// Ctrl+Shift+Z redoes as well as Ctrl+Y.
constexpr ACCEL kEditAccelerators[] = {
    {FCONTROL | FVIRTKEY, 'Z', ID_EDIT_UNDO},
    {FCONTROL | FVIRTKEY, 'Y', ID_EDIT_REDO},
    {FCONTROL | FSHIFT | FVIRTKEY, 'Z', ID_EDIT_REDO},
};

// A command's item text as a step name: no '&', no shortcut, no "...".
std::string StepNameOf(HMENU hMenu, UINT nID) {
    int count = GetMenuItemCount(hMenu);
    for (int position = 0; position < count; ++position) {
        if (HMENU hPopup = GetSubMenu(hMenu, position)) {
            if (std::string name = StepNameOf(hPopup, nID); !name.empty())
                return name;
            continue;
        }
        if (GetMenuItemID(hMenu, position) != nID)
            continue;
        char text[256] = "";
        GetMenuStringA(hMenu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        std::string name;
        for (const char* c = text; *c && *c != '\t'; ++c) {
            if (*c == '&' && *++c == '\0')
                break; // "&&" is one '&', a single '&' only marks a letter
            name += *c;
        }
        if (name.size() >= 3 && name.compare(name.size() - 3, 3, "...") == 0)
            name.resize(name.size() - 3);
        return name;
    }
    return {};
}

std::vector<CMDIChildWnd*> ChildFramesOf(QMdiArea* area, QMdiArea::WindowOrder order) {
    std::vector<CMDIChildWnd*> frames;
    for (QMdiSubWindow* sub : area->subWindowList(order))
        if (auto* frame = dynamic_cast<CMDIChildWnd*>(CWnd::FromWidget(sub->widget())))
            frames.push_back(frame);
    return frames;
}

// The project's file name without its folder, as the title shows it.
std::string NameOf(const ProjectModel& model) {
    std::string name = std::filesystem::path(model.GetFileName()).filename().string();
    return name.empty() ? "Untitled" : name;
}

} // namespace

BOOL MainFrame::CreateMainWindow() {
    if (!LoadFrame(0, WS_OVERLAPPEDWINDOW))
        return FALSE;
    SetWindowText("Corvane");
    BuildMenus();
    SetMessageText(kIdleMessage);
    m_hEditAccelerators =
        CreateAcceleratorTableA(kEditAccelerators, static_cast<int>(std::size(kEditAccelerators)));
    SetKeyMessageFilter([this](MSG& message) {
        Pointer<AcceleratorManager> accelerators =
            FindSharedService<AcceleratorManager>("KBAccel Manager", "AcceleratorManager");
        return (accelerators && accelerators->TranslateAccelerator(&message)) ||
               TranslateAcceleratorA(GetSafeHwnd(), m_hEditAccelerators, &message);
    });
    ShowWindow(SW_SHOW);
    return TRUE;
}

void MainFrame::BuildMenus() {
    HMENU hBar = GetMenu(GetSafeHwnd());
    AppendMenuA(AppendPopup(hBar, "&File"), MF_STRING, ID_APP_EXIT, "E&xit\tAlt+F4");
    HMENU hEdit = AppendPopup(hBar, "&Edit");
    AppendMenuA(hEdit, MF_STRING | MF_GRAYED, ID_EDIT_UNDO, "&Undo\tCtrl+Z");
    AppendMenuA(hEdit, MF_STRING | MF_GRAYED, ID_EDIT_REDO, "&Redo\tCtrl+Y");
    AppendMenuA(AppendPopup(hBar, "&View"), MF_STRING, ID_VIEW_STATUS_BAR, "&Status Bar");
    m_hWindowMenu = AppendPopup(hBar, "&Window");
    AppendMenuA(m_hWindowMenu, MF_STRING, ID_WINDOW_CASCADE, "&Cascade");
    AppendMenuA(m_hWindowMenu, MF_STRING, ID_WINDOW_TILE_HORZ, "&Tile");
    AppendMenuA(m_hWindowMenu, MF_STRING, ID_WINDOW_DEFAULT_LAYOUT, "Default &Layout");
    AppendMenuA(AppendPopup(hBar, "&Help"), MF_STRING, ID_APP_ABOUT, "&About Corvane...");
    DrawMenuBar(GetSafeHwnd());
}

bool MainFrame::IsWindowListCommand(UINT nID) {
    return nID >= AFX_IDM_FIRST_MDICHILD && nID < AFX_IDM_FIRST_MDICHILD + kMaxListedWindows;
}

bool MainFrame::IsHostCommand(UINT nID) const {
    return IsWindowListCommand(nID) ||
           std::any_of(std::begin(kHostCommands), std::end(kHostCommands),
                       [nID](const HostCommand& command) { return command.nID == nID; });
}

BOOL MainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    if (ExecuteHostCommand(nID))
        return TRUE;
    if (nID >= kFirstPluginCommand) {
        // The module's New and Open replace the project without asking.
        if (m_pRecovery && (IsFileCommand(nID, "&New\t") || IsFileCommand(nID, "&Open\t")))
            m_pRecovery->KeepBeforeReplacing();
        if (m_pUndo)
            m_pUndo->BeginCommand(StepNameOf(GetMenu(GetSafeHwnd()), nID));
        if (Pointer<MenuManager> manager = FindMenuManager())
            manager->ExecuteCommand(static_cast<int>(nID));
        if (m_pUndo)
            m_pUndo->EndCommand();
        RefreshTitle();
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
    case ID_EDIT_UNDO:
        if (m_pUndo)
            m_pUndo->Undo();
        return true;
    case ID_EDIT_REDO:
        if (m_pUndo)
            m_pUndo->Redo();
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
    case ID_WINDOW_DEFAULT_LAYOUT:
        Workspace(*this).ApplyDefault();
        return true;
    case ID_APP_ABOUT:
        AfxMessageBox(AboutBox::Text().c_str(), MB_OK | MB_ICONINFORMATION);
        return true;
    default:
        if (!IsWindowListCommand(nID))
            return false;
        ActivateListedWindow(nID);
        return true;
    }
}

void MainFrame::ActivateListedWindow(UINT nID) {
    std::vector<CMDIChildWnd*> frames = GetChildFramesInOpeningOrder();
    size_t index = nID - AFX_IDM_FIRST_MDICHILD;
    if (index >= frames.size())
        return;
    CMDIChildWnd* frame = frames[index];
    if (frame->GetSubWindow()->isMinimized())
        frame->ShowWindow(SW_RESTORE);
    frame->MDIActivate();
}

void MainFrame::UpdateWindowList() {
    for (int position = GetMenuItemCount(m_hWindowMenu) - 1; position >= 0; --position)
        if (IsWindowListCommand(GetMenuItemID(m_hWindowMenu, position)))
            DeleteMenu(m_hWindowMenu, static_cast<UINT>(position), MF_BYPOSITION);
    int last = GetMenuItemCount(m_hWindowMenu) - 1;
    if (last >= 0 && GetMenuItemID(m_hWindowMenu, last) == 0)
        DeleteMenu(m_hWindowMenu, static_cast<UINT>(last), MF_BYPOSITION);

    std::vector<CMDIChildWnd*> frames = GetChildFramesInOpeningOrder();
    if (frames.empty())
        return;
    AppendMenuA(m_hWindowMenu, MF_SEPARATOR, 0, nullptr);
    CMDIChildWnd* active = MDIGetActive();
    for (UINT index = 0; index < frames.size() && index < kMaxListedWindows; ++index) {
        String title;
        frames[index]->GetWindowText(title);
        std::string text = "&" + std::to_string(index + 1) + " " + title.str();
        AppendMenuA(m_hWindowMenu, MF_STRING | (frames[index] == active ? MF_CHECKED : 0),
                    AFX_IDM_FIRST_MDICHILD + index, text.c_str());
    }
}

void MainFrame::OpenWorkspace(const QString& settingsFile) {
    Workspace workspace(*this);
    if (!workspace.Restore(settingsFile))
        workspace.ApplyDefault();
    m_strWorkspaceFile = settingsFile;
}

void MainFrame::AttachProject(ProjectModel* model, RecoveryKeeper* recovery) {
    m_pModel = model;
    m_pRecovery = recovery;
    RefreshTitle();
}

void MainFrame::RefreshTitle() {
    if (!m_pModel) {
        SetWindowText("Corvane");
        return;
    }
    std::string title = NameOf(*m_pModel) + (m_pModel->IsModified() ? "*" : "") + " - Corvane";
    SetWindowText(title.c_str());
}

UINT MainFrame::FindFileCommand(const std::string& textStart) const {
    HMENU hBar = GetMenu(GetSafeHwnd());
    for (int position = 0; position < GetMenuItemCount(hBar); ++position) {
        if (MenuDriver::GetItemText(hBar, position) != "&File")
            continue;
        HMENU hFile = GetSubMenu(hBar, position);
        for (int item = 0; item < GetMenuItemCount(hFile); ++item)
            if (MenuDriver::GetItemText(hFile, item).starts_with(textStart))
                return GetMenuItemID(hFile, item);
    }
    return 0;
}

bool MainFrame::IsFileCommand(UINT nID, const std::string& textStart) const {
    return FindFileCommand(textStart) == nID;
}

bool MainFrame::ConfirmClose() {
    if (!m_pModel || !m_pModel->IsModified())
        return true;
    std::string text = "The project \"" + NameOf(*m_pModel) +
                       "\" has unsaved changes.\n\nSave them before closing Corvane?";
    switch (AfxMessageBox(text.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        // The module's own Save, which asks for a file name when the project
        // has none; cancelling that keeps the tool open.
        if (UINT nSave = FindFileCommand("&Save\t"))
            SendMessage(WM_COMMAND, MAKEWPARAM(nSave, 0), 0);
        return !m_pModel->IsModified();
    case IDNO:
        return true;
    default:
        return false;
    }
}

// Saved while the windows are still open, once closing is confirmed; closing
// destroys them.
void MainFrame::OnClose() {
    if (!ConfirmClose())
        return;
    if (!m_strWorkspaceFile.isEmpty())
        Workspace(*this).Save(m_strWorkspaceFile);
    CMDIFrameWnd::OnClose();
}

void MainFrame::OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu) {
    CMDIFrameWnd::OnInitMenuPopup(hPopupMenu, nIndex, bSysMenu);
    if (bSysMenu)
        return;
    if (hPopupMenu == m_hWindowMenu)
        UpdateWindowList();
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
    if (nID == ID_EDIT_UNDO || nID == ID_EDIT_REDO) {
        HostMenuItemState item(hMenu, nPosition);
        bool undo = nID == ID_EDIT_UNDO;
        item.SetText(!m_pUndo ? (undo ? "&Undo\tCtrl+Z" : "&Redo\tCtrl+Y")
                     : undo   ? m_pUndo->GetUndoText().c_str()
                              : m_pUndo->GetRedoText().c_str());
        item.Enable(m_pUndo && (undo ? m_pUndo->CanUndo() : m_pUndo->CanRedo()));
        return;
    }
    if (nID == ID_VIEW_STATUS_BAR)
        CheckMenuItem(hMenu, static_cast<UINT>(nPosition),
                      MF_BYPOSITION | (GetStatusBar()->isVisible() ? MF_CHECKED : MF_UNCHECKED));
}

String MainFrame::GetCommandPrompt(UINT nID) const {
    if (IsWindowListCommand(nID))
        return kWindowListPrompt;
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
    DestroyAcceleratorTable(m_hEditAccelerators);
    m_hEditAccelerators = nullptr;
    CMDIFrameWnd::OnDestroy();
}

std::vector<CMDIChildWnd*> MainFrame::GetChildFrames() const {
    return ChildFramesOf(GetMDIArea(), QMdiArea::StackingOrder);
}

std::vector<CMDIChildWnd*> MainFrame::GetChildFramesInOpeningOrder() const {
    return ChildFramesOf(GetMDIArea(), QMdiArea::CreationOrder);
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
