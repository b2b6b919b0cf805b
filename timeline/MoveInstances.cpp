#include "timeline/MoveInstances.h"

#include "core/InputEventSource.h"
#include "core/ModuleExports.h"
#include "core/VirtualDC.h"
#include "timeline/FrameProperty.h"
#include "timeline/TimeLineWindow.h"
#include "views/PropertyEditorDialog.h"

#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "host/AllowsKeyFrames.h"
#include "host/Instance.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/TimeLine.h"
#include "platform/CWnd.h"
#include "platform/Keyboard.h"

CORVANE_REGISTER_CLASS(MoveInstances)

namespace {
Pointer<TimeLineWindow> WindowOf(InputEventSource* source) {
    return Pointer<TimeLineWindow>(
        static_cast<TimeLineWindow*>(source->FindInterface("TimeLineWindow")));
}

Pointer<TimeLine> GetTimeLine() {
    return GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
}

Pointer<Player> GetPlayer() {
    return GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
}
} // namespace

void* MoveInstances::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("BasePlugin", static_cast<BasePlugin*>(this))
        .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
        .Answer("MoveInstances", this)
        .Result();
}

bool MoveInstances::AcceptsSource(InputEventSource* source) {
    return source->FindInterface("TimeLineWindow") != nullptr;
}

bool MoveInstances::OnLButtonDown(POINT point, InputEventSource* source) {
    if (GetSharedObjects()->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer")->IsRunning())
        return false;
    Pointer<TimeLineWindow> window = WindowOf(source);
    int row = 0, frame = 0;
    if (!window->PointToCell(point.x, point.y, row, frame))
        return false;
    m_nRow = row;
    Pointer<Player> player = GetPlayer();
    Pointer<TimeLine> timeLine = GetTimeLine();
    InstanceList instances = timeLine->GetInstances(row, frame, frame);
    if (instances.empty()) {
        // The selection block stays as it is.
        window->SetSelectedKeyFrame(Pointer<KeyFrame>());
        timeLine->SetSelectedInstance(Pointer<Instance>());
        player->SetCurrentFrame(frame);
        return false;
    }
    Pointer<Instance> instance = instances.front();
    window->SetSelectedKeyFrame(Pointer<KeyFrame>());
    if (!(timeLine->GetSelectedInstance() == instance))
        timeLine->SetSelectedInstance(instance);

    int start = ReadFrameProperty(instance, "FrameStart");
    int stop = ReadFrameProperty(instance, "FrameStop");
    m_nGrabOffset = frame - start;
    auto keyFrames = instance.As<AllowsKeyFrames>("AllowsKeyFrames");
    if (start == stop) {
        m_nMode = kMoveInstance;
    } else if (frame == start) {
        m_nMode = kMoveStart;
    } else if (frame == stop) {
        m_nMode = kMoveStop;
    } else if (!keyFrames) {
        m_nMode = kMoveInstance;
    } else {
        m_pKeyFrame = keyFrames->GetNextKeyFrame(m_nGrabOffset + 1);
        if (m_pKeyFrame && m_pKeyFrame->frame == m_nGrabOffset + 1) {
            window->SetSelectedKeyFrame(m_pKeyFrame);
            player->SetCurrentFrame(frame);
            m_nMode = kMoveKeyFrame;
        } else {
            m_pKeyFrame.Reset();
            m_nMode = kMoveInstance;
        }
    }
    if (m_nMode < 0)
        window->SetSelection(start, row, stop, row);

    // Both captures: the drag goes on outside the window, and no other
    // handler of the window sees its events.
    if (auto* wnd = static_cast<CWnd*>(source->FindInterface("CWnd")))
        wnd->SetCapture();
    source->SetEventCapture(Pointer<InputEventHandler>(this));
    UpdateAllMDIChildWindows();
    return true;
}

bool MoveInstances::OnMouseMove(POINT point, InputEventSource* source) {
    if (m_nMode == kIdle)
        return false;
    Pointer<TimeLineWindow> window = WindowOf(source);
    Pointer<TimeLine> timeLine = GetTimeLine();
    Pointer<Instance> instance = timeLine->GetSelectedInstance();
    int row = 0, frame = 0;
    if (!instance || !window->PointToCell(point.x, point.y, row, frame))
        return true;
    int start = ReadFrameProperty(instance, "FrameStart");
    int stop = ReadFrameProperty(instance, "FrameStop");
    if (m_nMode == kMoveKeyFrame) {
        MoveKeyFrame(frame, start, stop);
        return true;
    }

    int newStart = start, newStop = stop, targetRow = m_nRow;
    if (m_nMode == kMoveInstance) {
        // No lower limit: the start may leave the grid to the left.
        newStart = frame - m_nGrabOffset;
        newStop = newStart + (stop - start);
        targetRow = row;
    } else if (m_nMode == kMoveStart) {
        if (frame >= stop)
            return true;
        newStart = frame;
    } else {
        if (frame <= start)
            return true;
        newStop = frame;
    }
    // Instances of a row never overlap.
    InstanceList occupants = timeLine->GetInstances(targetRow, newStart, newStop);
    if (!occupants.empty() && !(occupants.size() == 1 && occupants.front() == instance))
        return true;
    timeLine->MoveInstance(instance, targetRow, newStart, newStop, m_nRow);
    m_nRow = targetRow;
    window->SetSelection(newStart, targetRow, newStop, targetRow);
    // During the drag only the time line is redrawn.
    if (auto* virtualDC = static_cast<VirtualDC*>(source->FindInterface("VirtualDC")))
        virtualDC->Redraw();
    return true;
}

void MoveInstances::MoveKeyFrame(int frame, int start, int stop) {
    // A key frame never reaches its instance's first or last frame.
    if (!m_pKeyFrame || frame <= start || frame >= stop)
        return;
    auto keyFrames = GetTimeLine()->GetSelectedInstance().As<AllowsKeyFrames>("AllowsKeyFrames");
    int relative = frame - start + 1;
    int current = m_pKeyFrame->frame;
    if (relative == current || !keyFrames)
        return;
    // Only the neighbouring cell in the direction of the move is tested.
    if (relative > current) {
        Pointer<KeyFrame> right = keyFrames->GetNextKeyFrame(current + 1);
        if (right && right->frame == current + 1)
            return;
    } else if (!(keyFrames->GetNextKeyFrame(current - 1) == m_pKeyFrame)) {
        return;
    }
    m_pKeyFrame->frame = relative;
    // The frame change redraws the views and the time line.
    GetPlayer()->SetCurrentFrame(frame);
}

bool MoveInstances::OnLButtonUp(POINT, InputEventSource* source) {
    if (m_nMode == kIdle)
        return false;
    if (m_nMode < 0)
        WindowOf(source)->ClearSelection();
    ReleaseCapture();
    source->ReleaseEventCapture();
    UpdateAllMDIChildWindows();
    m_nMode = kIdle;
    return false;
}

bool MoveInstances::OnLButtonDblClk(POINT, InputEventSource* source) {
    // Shift+double-click adds a key frame: that belongs to AddKeyFrameHandler.
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000)
        return false;
    PropertyEditorDialog dialog(AfxGetMainWnd());
    Pointer<TimeLine> timeLine = GetTimeLine();
    if (Pointer<KeyFrame> keyFrame = WindowOf(source)->GetSelectedKeyFrame()) {
        if (dialog.SetPropertyHolder(keyFrame) == 1)
            dialog.DoModal();
    } else if (Pointer<Instance> instance = timeLine->GetSelectedInstance()) {
        if (dialog.SetPropertyHolder(instance.As<HasProperties>("HasProperties")) == 1)
            dialog.DoModal();
    } else {
        return false;
    }
    if (Pointer<Instance> instance = timeLine->GetSelectedInstance()) {
        int current = GetPlayer()->GetCurrentFrame();
        instance->PlayerFrameChange(current, current);
    }
    UpdateAllMDIChildWindows();
    return true;
}
