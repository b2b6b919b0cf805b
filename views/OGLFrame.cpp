#include "views/OGLFrame.h"

#include "views/OGLWnd.h"

#include "framework/ClassNotFoundException.h"
#include "framework/Debugger.h"
#include "framework/InterfaceQuery.h"
#include "framework/RTTIClass.h"
#include "platform/gdi/CPaintDC.h"
#include "platform/gdi/SysColor.h"

#include <cstring>

OGLFrame::OGLFrame(OGLFrame** ppSelf) : MDIChildWnd(ppSelf) {}

void* OGLFrame::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .AnswerBase(FindMDIChildWndInterface(name))
        .Answer("OGLFrame", this)
        .Result();
}

void OGLFrame::SetOGLWndClass(const String& className) {
    const RTTIClass* record = RTTIClass::LookUpClass(className);
    if (!record) {
        TVK::GetDebugger()->PrintError("%s", ClassNotFoundException::Describe(className).c_str());
        return;
    }
    m_pView = static_cast<OGLWnd*>(record->GetCreateFunction()("OGLWnd"));
    if (!m_pView)
        return;
    if (m_pView->Create(this)) {
        CRect rect;
        GetClientRect(&rect);
        LayOutView(rect.Width(), rect.Height());
    } else {
        delete m_pView;
        m_pView = nullptr;
    }
}

void OGLFrame::UpdateView() {
    if (!m_pView)
        return;
    m_pView->InvalidateRect(nullptr, TRUE);
    m_pView->UpdateWindow();
}

void OGLFrame::UpdateNow() {
    UpdateView();
}

int OGLFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (MDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    return 0;
}

void OGLFrame::OnDestroy() {
    // The view goes before the frame itself.
    if (m_pView) {
        m_pView->DestroyWindow();
        delete m_pView;
        m_pView = nullptr;
    }
    MDIChildWnd::OnDestroy();
}

// All painting is done in OnPaint.
BOOL OGLFrame::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void OGLFrame::OnSetFocus(CWnd* pOldWnd) {
    MDIChildWnd::OnSetFocus(pOldWnd);
    if (m_pView)
        m_pView->SetFocus();
}

void OGLFrame::OnSize(UINT nType, int cx, int cy) {
    MDIChildWnd::OnSize(nType, cx, cy);
    if (m_pView)
        LayOutView(cx, cy);
}

void OGLFrame::OnPaint() {
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    // Black is the letter-box around the camera picture.
    dc.FillSolidRect(&rect, m_pView && IsCameraView() ? RGB(0, 0, 0) : GetSysColor(COLOR_WINDOW));
    if (!m_pView)
        dc.DrawText("OpenGL services unavailable", -1, &rect,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
}

bool OGLFrame::IsCameraView() const {
    return std::strcmp(m_pView->GetClass()->GetName(), "CameraView") == 0;
}

// The Camera view keeps the 4:3 of the project's picture with a margin of 10
// pixels on the limiting side; the other views fill the frame.
void OGLFrame::LayOutView(int cx, int cy) {
    if (!IsCameraView()) {
        m_pView->MoveWindow(0, 0, cx, cy, TRUE);
        return;
    }
    int w, h;
    if (cx / 4 > cy / 3) {
        h = cy - 20;
        w = (cy - 20) * 4 / 3;
    } else {
        w = cx - 20;
        h = (cx - 20) * 3 / 4;
    }
    m_pView->MoveWindow((cx - w) / 2, (cy - h) / 2, w, h, TRUE);
}
