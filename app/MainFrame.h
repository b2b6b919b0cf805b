#pragma once

#include "framework/String.h"
#include "platform/CMDIFrameWnd.h"

#include <QString>

#include <string>
#include <vector>

class CMDIChildWnd;
class UndoController;
class ProjectModel;
class RecoveryKeeper;

// Command identifiers of the host's own menu items, with their MFC values.
inline constexpr UINT ID_APP_ABOUT = 0xE140;
inline constexpr UINT ID_APP_EXIT = 0xE141;
inline constexpr UINT ID_EDIT_UNDO = 0xE12B;
inline constexpr UINT ID_EDIT_REDO = 0xE12C;
inline constexpr UINT ID_WINDOW_CASCADE = 0xE132;
inline constexpr UINT ID_WINDOW_TILE_HORZ = 0xE133;
inline constexpr UINT ID_VIEW_STATUS_BAR = 0xE801;
// The first free one after MFC's window commands.
inline constexpr UINT ID_WINDOW_DEFAULT_LAYOUT = 0xE136;
// The Window menu's list of open windows, numbered from here as in MFC.
inline constexpr UINT AFX_IDM_FIRST_MDICHILD = 0xFF00;

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
    // (holding "E&xit\tAlt+F4"), "&Edit" (undo and redo), "&View", "&Window"
    // (which lists the open windows) and "&Help" and a status bar; it becomes
    // the application's main window.
    BOOL CreateMainWindow();
    // The history that the Edit menu works and that every plug-in command is
    // a step of; none: the Edit menu's items stay disabled.
    void SetUndoController(UndoController* controller) { m_pUndo = controller; }
    // Restores the workspace saved in the settings file, or else opens the
    // default one; the workspace is saved there when the window closes.
    void OpenWorkspace(const QString& settingsFile);
    // The project whose name the title shows and whose unsaved changes
    // closing asks about, and the keeper of its recovery copies. Either may
    // be null.
    void AttachProject(ProjectModel* model, RecoveryKeeper* recovery);
    // "NAME - Corvane": the project's file name without folder ("Untitled"
    // when it has none), marked "*" while it has unsaved changes.
    void RefreshTitle();

    // "status text\ntool tip" of a command; empty when it has none.
    String GetCommandPrompt(UINT nID) const;

    // The MDI child frames, bottom of the stack first.
    std::vector<CMDIChildWnd*> GetChildFrames() const;
    // The same, in the order they were opened.
    std::vector<CMDIChildWnd*> GetChildFramesInOpeningOrder() const;
    // The child frame with exactly that title, or null.
    CMDIChildWnd* FindChildFrame(const std::string& title) const;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu) override;
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) override;
    void OnClose() override;
    void OnDestroy() override;

  private:
    void BuildMenus();
    // Lists the open windows at the end of the Window menu, numbered in the
    // order they were opened, the active one checked.
    void UpdateWindowList();
    void ActivateListedWindow(UINT nID);
    // Asks the state of every command item of a popup, as before it opens.
    void UpdatePopupState(HMENU hPopup);
    bool ExecuteHostCommand(UINT nID);
    bool IsHostCommand(UINT nID) const;
    void UpdateHostItem(HMENU hMenu, int nPosition, UINT nID);
    static bool IsWindowListCommand(UINT nID);
    // With unsaved changes, asks whether to save them: Yes saves through
    // File > Save, No discards them, Cancel keeps the tool open. True when
    // the tool may close.
    bool ConfirmClose();
    // The File menu's command whose text starts so, or 0.
    UINT FindFileCommand(const std::string& textStart) const;
    bool IsFileCommand(UINT nID, const std::string& textStart) const;

    HMENU m_hWindowMenu = nullptr;
    HACCEL m_hEditAccelerators = nullptr;
    UndoController* m_pUndo = nullptr;
    QString m_strWorkspaceFile;
    ProjectModel* m_pModel = nullptr;
    RecoveryKeeper* m_pRecovery = nullptr;
};
