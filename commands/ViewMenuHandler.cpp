#include "commands/ViewMenuHandler.h"

#include "timeline/CastListFrame.h"
#include "timeline/TimeLineFrame.h"
#include "views/OGLFrame.h"

#include "framework/Debugger.h"
#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "framework/SingleInstancePluginClass.h"
#include "host/AcceleratorManager.h"
#include "host/MenuManager.h"
#include "platform/CWnd.h"
#include "res/FrameIcons.h"

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(ViewMenuHandler)

namespace {

constexpr DWORD kSceneViewStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kCastListStyle =
    WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr DWORD kTimeLineStyle = kCastListStyle | WS_HSCROLL;

// Opens the window of a field when it is closed, then brings it to the front
// and paints it at once. prepare runs on a new frame before it is first shown.
template <class Frame, class Prepare>
void OpenWindow(Frame*& frame, UINT nIDResource, DWORD dwStyle, const char* title,
                Prepare prepare) {
    if (!frame) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (!pMainWnd) {
            TVK::GetDebugger()->PrintError("Cannot open the %s window: there is no main window\n",
                                           title);
            return;
        }
        pMainWnd->BeginWaitCursor();
        frame = new Frame(&frame);
        if (!frame->LoadFrame(nIDResource, dwStyle, pMainWnd, nullptr)) {
            // A frame whose creation failed may have been destroyed already,
            // which emptied the field.
            delete frame;
            pMainWnd->EndWaitCursor();
            TVK::GetDebugger()->PrintError("Cannot open the %s window: its frame was not created\n",
                                           title);
            return;
        }
        frame->SetTitle(title);
        prepare(*frame);
        frame->ShowWindow(SW_RESTORE);
        pMainWnd->EndWaitCursor();
    }
    frame->ActivateFrame();
    frame->UpdateWindow();
}

} // namespace

void* ViewMenuHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("MenuHandler", static_cast<MenuHandler*>(this))
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("ViewMenuHandler", this)
        .Result();
}

void ViewMenuHandler::Initialize() {
    Pointer<MenuManager> menuManager =
        GetSharedObjects()->GetObjectA("Menu Manager").As<MenuManager>("MenuManager");
    Pointer<MenuHandler> self(static_cast<MenuHandler*>(this));

    // When the host has a "&View" menu already, the items follow a separator
    // at its end.
    menuManager->AddMenuItem(-1, "", "&View", self, true, false, "");
    menuManager->AddMenuItem(-1, "&View\n*", "", self, false, true, "");
    int cameraID = menuManager->AddMenuItem(kCamera, "&View\n*", "Camera\tCtrl+Q", self, false,
                                            false, "Open the Camera view\nCamera View");
    menuManager->AddMenuItem(-1, "&View\n*", "Orthographic", self, true, false, "");
    int topID = menuManager->AddMenuItem(kTop, "&View\nOrthographic\n*", "Top\tCtrl+W", self, false,
                                         false, "Open the Top view\nTop View");
    int frontID = menuManager->AddMenuItem(kFront, "&View\nOrthographic\n*", "Front\tCtrl+E", self,
                                           false, false, "Open the Front view\nFront View");
    int sideID = menuManager->AddMenuItem(kSide, "&View\nOrthographic\n*", "Side\tCtrl+R", self,
                                          false, false, "Open the Side view\nSide View");
    menuManager->AddMenuItem(-1, "&View\n*", "", self, false, true, "");
    int timeLineID = menuManager->AddMenuItem(kTimeLine, "&View\n*", "Time Line\tCtrl+T", self,
                                              false, false, "Open the Time Line window\nTime Line");
    int castListID = menuManager->AddMenuItem(kCastList, "&View\n*", "Cast List\tCtrl+L", self,
                                              false, false, "Open the Cast List window\nCast List");

    const BYTE fCtrlKey = FVIRTKEY | FNOINVERT | FCONTROL;
    const ACCEL entries[6] = {
        {fCtrlKey, 'Q', static_cast<WORD>(cameraID)},
        {fCtrlKey, 'W', static_cast<WORD>(topID)},
        {fCtrlKey, 'E', static_cast<WORD>(frontID)},
        {fCtrlKey, 'R', static_cast<WORD>(sideID)},
        {fCtrlKey, 'T', static_cast<WORD>(timeLineID)},
        {fCtrlKey, 'L', static_cast<WORD>(castListID)},
    };
    GetSharedObjects()
        ->GetObjectA("KBAccel Manager")
        .As<AcceleratorManager>("AcceleratorManager")
        ->AddAcceleratorTable(entries, 6);
}

void ViewMenuHandler::ExecuteMenuItem(int cookie) {
    switch (cookie) {
    case kCamera:
        OpenSceneView(m_pCameraFrame, "Camera", "CameraView");
        break;
    case kTop:
        OpenSceneView(m_pTopFrame, "Top", "TopView");
        break;
    case kFront:
        OpenSceneView(m_pFrontFrame, "Front", "FrontView");
        break;
    case kSide:
        OpenSceneView(m_pSideFrame, "Side", "SideView");
        break;
    case kTimeLine:
        OpenTimeLine();
        break;
    case kCastList:
        OpenCastList();
        break;
    default:
        break;
    }
}

void ViewMenuHandler::OpenSceneView(OGLFrame*& frame, const char* title,
                                    const char* viewClassName) {
    OpenWindow(frame, IDR_OGLFRAME, kSceneViewStyle, title,
               [viewClassName](OGLFrame& newFrame) { newFrame.SetOGLWndClass(viewClassName); });
}

// The off-screen pictures are drawn before the windows are first shown.
void ViewMenuHandler::OpenTimeLine() {
    OpenWindow(m_pTimeLineFrame, IDR_TIMELINEFRAME, kTimeLineStyle, "Time Line",
               [](TimeLineFrame& newFrame) { newFrame.Redraw(); });
}

void ViewMenuHandler::OpenCastList() {
    OpenWindow(m_pCastListFrame, IDR_CASTLISTFRAME, kCastListStyle, "Cast List",
               [](CastListFrame& newFrame) { newFrame.Redraw(); });
}
