#pragma once

// Small stand-ins for the project model's shared objects, which lie outside
// the module. Every call that changes something is written to one log, so
// that tests can check what happened and in which order.

#include "framework/Exception.h"
#include "framework/InterfaceQuery.h"
#include "framework/SharedObject.h"
#include "host/Instance.h"
#include "host/MenuItemState.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/Project.h"
#include "host/TimeLine.h"
#include "timeline/TimeLineWindow.h"

#include <QApplication>
#include <QCursor>

#include <stdexcept>
#include <string>
#include <vector>

std::vector<std::string>& CallLog();

class FakePlayerTimer : public PlayerTimer, public SharedObject {
  public:
    void Start() override {
        CallLog().push_back("Start");
        m_bRunning = true;
    }
    void Stop() override {
        CallLog().push_back("Stop");
        m_bRunning = false;
    }
    bool IsRunning() override { return m_bRunning; }
    String GetSharedName() override { return "Player Timer"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("PlayerTimer", static_cast<PlayerTimer*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    bool m_bRunning = false;
};

class FakePlayer : public Player, public SharedObject {
  public:
    void SetCurrentFrame(int frame) override {
        CallLog().push_back("SetCurrentFrame(" + std::to_string(frame) + ")");
        m_nFrame = frame;
    }
    int GetCurrentFrame() override { return m_nFrame; }
    void ApplyCamera() override {}
    void Draw(bool) override {}
    Pointer<Instance> GetInstanceForName(int) override { return {}; }
    String GetSharedName() override { return "Player"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("Player", static_cast<Player*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    int m_nFrame = 1;
};

class FakeTimeLine : public TimeLine, public SharedObject {
  public:
    InstanceList GetInstances(int, int, int) override { return {}; }
    void AddInstance(Pointer<Instance>, int, int, int) override {}
    void RemoveInstance(Pointer<Instance>, int) override {}
    void MoveInstance(Pointer<Instance>, int, int, int, int) override {}
    void SetSelectedInstance(Pointer<Instance>) override {}
    Pointer<Instance> GetSelectedInstance() override { return {}; }
    void PrepareForPlay() override { CallLog().push_back("PrepareForPlay"); }
    String GetSharedName() override { return "Time Line"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("TimeLine", static_cast<TimeLine*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }
};

class FakeProject : public Project, public SharedObject {
  public:
    String GetFileName() override { return m_strFileName; }
    void New() override {
        CallLog().push_back("New");
        m_strFileName = String();
    }
    bool Load(Pointer<BaseObject>, const String& path) override {
        CallLog().push_back("Load(" + path.str() + ")");
        NoteCursor();
        m_strFileName = path;
        return true;
    }
    bool Save(Pointer<BaseObject>, const String& path) override {
        CallLog().push_back("Save(" + path.str() + ")");
        NoteCursor();
        m_strFileName = path;
        return true;
    }
    String GetSharedName() override { return "Project"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("Project", static_cast<Project*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    String m_strFileName;
    // Whether the author saw the wait cursor during every load and save.
    bool m_bWaitCursorShown = true;

  private:
    void NoteCursor() {
        QCursor* cursor = QApplication::overrideCursor();
        m_bWaitCursorShown = m_bWaitCursorShown && cursor && cursor->shape() == Qt::WaitCursor;
    }
};

// The time line window as published while it is open. It can be told to fail
// the way a broken window would.
class FakeTimeLineWindow : public TimeLineWindow, public SharedObject {
  public:
    enum class Failure { None, FrameworkException, OtherException };

    bool PointToCell(int, int, int&, int&) override { return false; }
    void SetSelection(int, int, int, int) override {}
    void ClearSelection() override {}
    Pointer<KeyFrame> GetSelectedKeyFrame() override { return m_pSelected; }
    void SetSelectedKeyFrame(Pointer<KeyFrame> keyFrame) override {
        CallLog().push_back(keyFrame ? "SetSelectedKeyFrame(key frame)"
                                     : "SetSelectedKeyFrame(none)");
        if (m_failure == Failure::FrameworkException)
            throw new Exception("the time line window is broken");
        if (m_failure == Failure::OtherException)
            throw std::runtime_error("the time line window is broken");
        m_pSelected = keyFrame;
    }
    String GetSharedName() override { return "Time Line Window"; }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("TimeLineWindow", static_cast<TimeLineWindow*>(this))
            .Answer("SharedObject", static_cast<SharedObject*>(this))
            .Result();
    }

    Failure m_failure = Failure::None;
    Pointer<KeyFrame> m_pSelected;
};

// The state of one menu item as a handler sets it, call by call.
class RecordingMenuItemState : public MenuItemState {
  public:
    void SetCheck(bool checked) override {
        m_calls.push_back(checked ? "SetCheck(1)" : "SetCheck(0)");
    }
    void SetText(const char* text) override {
        m_calls.push_back(std::string("SetText(") + text + ")");
    }
    void Enable(bool enabled) override { m_calls.push_back(enabled ? "Enable(1)" : "Enable(0)"); }
    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("MenuItemState", static_cast<MenuItemState*>(this))
            .Result();
    }

    std::vector<std::string> m_calls;
};
