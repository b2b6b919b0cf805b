#pragma once

#include "platform/CWnd.h"

// A frame window: closing it destroys it, and it deletes itself when its
// window is gone (PostNcDestroy), as every MFC frame does. Frames are made
// with new and never deleted by their creator.
class CFrameWnd : public CWnd {
  public:
    // nIDResource names the frame's icon (IconResource.h); a number with no
    // icon registered is accepted. pContext is not used.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
                           CWnd* pParentWnd = nullptr, void* pContext = nullptr) = 0;
    // Shows the frame (nCmdShow -1: as it is, or normally when hidden) and
    // makes it the active one.
    virtual void ActivateFrame(int nCmdShow = -1) = 0;
    void SetTitle(LPCSTR lpszTitle) { SetWindowText(lpszTitle); }

  protected:
    void OnClose() override;
    void PostNcDestroy() override;
};
