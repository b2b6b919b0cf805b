#pragma once

#include "platform/CFrameWnd.h"

#include <QRect>

class QMdiSubWindow;

// A child frame in the main window's MDI area. Its client area is the widget
// inside the sub-window; the window text is the sub-window's title. Closing
// the sub-window destroys the frame: WM_CLOSE, then WM_DESTROY (the frame,
// then its child windows), then PostNcDestroy, which deletes it.
class CMDIChildWnd : public CFrameWnd {
  public:
    // Makes the frame a (hidden) sub-window of the MDI area of pParentWnd, or
    // of the main window when that is null, with a default size. FALSE when
    // there is no MDI area; when OnCreate fails the frame is destroyed (and
    // deleted) and FALSE returned.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
                   CWnd* pParentWnd = nullptr, void* pContext = nullptr) override;
    void ActivateFrame(int nCmdShow = -1) override;
    // Brings the frame to the front as the active MDI child.
    void MDIActivate();

    QMdiSubWindow* GetSubWindow() const;

    // The sub-window rectangle that the next frame LoadFrame makes gets
    // instead of the default size; a null rectangle gives the default again.
    // A host that arranges the windows it opens makes each at its place at
    // once, so that nothing is sized (and drawn) twice.
    static void SetNextPlacement(const QRect& rect);

  protected:
    void ReleaseWidgets() override;
};
