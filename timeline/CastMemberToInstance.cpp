#include "timeline/CastMemberToInstance.h"

#include "core/InputEventSource.h"
#include "core/ModuleExports.h"
#include "core/QuendaInterfaces.h"
#include "core/VirtualDC.h"
#include "timeline/CastListWindow.h"
#include "timeline/TimeLineWindow.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/Instance.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/TimeLine.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"

#include <algorithm>

CORVANE_REGISTER_CLASS(CastMemberToInstance)

namespace {

// The drop place is the middle frame and five frames on either side.
constexpr int kHalfDropPlace = 5;
constexpr int kLowestMiddleFrame = kHalfDropPlace + 1;

Pointer<CastListWindow> CastListOf(InputEventSource* source) {
    return Pointer<CastListWindow>(
        static_cast<CastListWindow*>(source->FindInterface("CastListWindow")));
}

CWnd* WindowOf(BaseObject* object) {
    return static_cast<CWnd*>(object->FindInterface("CWnd"));
}

void Redraw(BaseObject* window) {
    if (auto* picture = static_cast<VirtualDC*>(window->FindInterface("VirtualDC")))
        picture->Redraw();
}

Pointer<TimeLine> GetTimeLine() {
    return GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
}

Pointer<TimeLineWindow> GetTimeLineWindow() {
    return GetSharedObjects()->GetObjectA("Time Line Window").As<TimeLineWindow>("TimeLineWindow");
}

// The time line window under a screen point, or empty. The title alone does
// not make a time line: only the window published as this tool's own is used.
Pointer<TimeLineWindow> TimeLineWindowAt(POINT screenPoint) {
    CWnd* pWnd = CWnd::FromHandle(WindowFromPoint(screenPoint));
    if (!pWnd)
        return {};
    String title;
    pWnd->GetWindowText(title);
    if (!(title == "Time Line"))
        return {};
    Pointer<TimeLineWindow> timeLine = GetTimeLineWindow();
    if (!timeLine || WindowOf(timeLine.Get()) != pWnd)
        return {};
    return timeLine;
}

bool IsActiveFrame(CMDIChildWnd* pFrame) {
    auto* pMainFrame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    return pMainFrame && pMainFrame->MDIGetActive() == pFrame;
}

} // namespace

void* CastMemberToInstance::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
        .Answer("CastMemberToInstance", this)
        .Result();
}

bool CastMemberToInstance::AcceptsSource(InputEventSource* source) {
    return source->FindInterface("CastListWindow") != nullptr;
}

bool CastMemberToInstance::OnMouseMove(POINT point, InputEventSource* source) {
    Pointer<CastListWindow> castList = CastListOf(source);
    if (!m_bDragging) {
        int index = 0;
        Pointer<CastMember> member = castList->GetCastMemberAt(point.x, point.y, &index);
        if (!(member == castList->GetHotCastMember())) {
            castList->SetHotCastMember(member);
            Redraw(castList.Get());
        }
        return false;
    }
    PreviewDropPlace(point, source);
    return true;
}

void CastMemberToInstance::PreviewDropPlace(POINT point, InputEventSource* source) {
    m_bOverTimeLine = false;
    CPoint screenPoint(point);
    WindowOf(source)->ClientToScreen(&screenPoint);
    Pointer<TimeLineWindow> timeLine = TimeLineWindowAt(screenPoint);
    // Anywhere else the last preview stays where it was.
    if (!timeLine)
        return;

    CWnd* pTimeLineWnd = WindowOf(timeLine.Get());
    auto* pTimeLineFrame = static_cast<CMDIChildWnd*>(timeLine->FindInterface("CMDIChildWnd"));
    if (pTimeLineFrame && !IsActiveFrame(pTimeLineFrame))
        pTimeLineFrame->ActivateFrame(-1);

    CPoint clientPoint = screenPoint;
    pTimeLineWnd->ScreenToClient(&clientPoint);
    int row = 0;
    int frame = 0;
    if (timeLine->PointToCell(clientPoint.x, clientPoint.y, row, frame)) {
        frame = std::max(frame, kLowestMiddleFrame);
        if (GetTimeLine()
                ->GetInstances(row, frame - kHalfDropPlace, frame + kHalfDropPlace)
                .empty()) {
            m_bOverTimeLine = true;
            m_nDropRow = row;
            m_nDropFrame = frame;
            timeLine->SetSelection(frame - kHalfDropPlace, row, frame + kHalfDropPlace, row);
        } else {
            timeLine->ClearSelection();
        }
    } else {
        timeLine->ClearSelection();
    }
    Redraw(timeLine.Get());
}

bool CastMemberToInstance::OnLButtonDown(POINT, InputEventSource* source) {
    if (GetSharedObjects()->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer")->IsRunning())
        return false;
    Pointer<CastListWindow> castList = CastListOf(source);
    Pointer<CastMember> member = castList->GetHotCastMember();
    if (!member)
        return false;

    // The first instance class, in catalogue order, that can show the member.
    Pointer<Instance> instance;
    const auto& classes = GetQuendaInterfaces()->GetInstanceClasses();
    for (std::int32_t i = 0; i < classes.GetCount() && !instance; ++i) {
        Pointer<Instance> candidate(
            static_cast<Instance*>(classes[i]->GetCreateFunction()("Instance")));
        if (candidate && candidate->AcceptsCastMember(member))
            instance = candidate;
    }
    if (!instance)
        return false;

    m_pInstance = instance;
    m_pInstance->SetCastMember(member);
    m_pInstance->Initialize();
    castList->SetDraggedCastMember(member);
    Redraw(castList.Get());

    source->SetEventCapture(Pointer<InputEventHandler>(this));
    WindowOf(source)->SetCapture();
    m_bOverTimeLine = false;
    m_bDragging = true;
    return true;
}

bool CastMemberToInstance::OnLButtonUp(POINT, InputEventSource* source) {
    if (!m_bDragging)
        return false;
    Pointer<CastListWindow> castList = CastListOf(source);
    castList->SetHotCastMember({});
    castList->SetDraggedCastMember({});
    Redraw(castList.Get());
    source->ReleaseEventCapture();
    m_bDragging = false;
    ReleaseCapture();

    if (m_bOverTimeLine) {
        GetTimeLine()->AddInstance(m_pInstance, m_nDropRow, m_nDropFrame - kHalfDropPlace,
                                   m_nDropFrame + kHalfDropPlace);
        if (Pointer<TimeLineWindow> timeLine = GetTimeLineWindow())
            timeLine->ClearSelection();
        const int current =
            GetSharedObjects()->GetObjectA("Player").As<Player>("Player")->GetCurrentFrame();
        m_pInstance->PlayerFrameChange(current, current);
        UpdateAllMDIChildWindows();
    }
    // An instance that was not dropped on the time line is discarded.
    m_pInstance.Reset();
    return true;
}
