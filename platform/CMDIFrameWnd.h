#pragma once

#include "platform/CFrameWnd.h"

class CMDIChildWnd;
class QMainWindow;
class QMdiArea;
class QMenuBar;
class QStatusBar;

// The application's main window: a Qt main window with a menu bar (GetMenu),
// an MDI area for the child frames and a status bar. The first one created
// becomes the main window (AfxGetMainWnd) until it is destroyed; destroying
// it ends the application's event loop.
class CMDIFrameWnd : public CFrameWnd {
  public:
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
                   CWnd* pParentWnd = nullptr, void* pContext = nullptr) override;
    void ActivateFrame(int nCmdShow = -1) override;

    // The active MDI child frame, or null.
    CMDIChildWnd* MDIGetActive() const;
    // The status bar's text.
    void SetMessageText(LPCSTR lpszText);

    QMainWindow* GetMainWindow() const;
    QMdiArea* GetMDIArea() const { return m_pArea; }
    QStatusBar* GetStatusBar() const;
    HMENU GetMenuHandle() const { return m_hMenu; }

  protected:
    void ReleaseWidgets() override;
    void PostNcDestroy() override;

  private:
    QMdiArea* m_pArea = nullptr;
    HMENU m_hMenu = nullptr;
    bool m_bMainWindow = false;
};
