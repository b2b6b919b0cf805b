#pragma once

// The host with its player drawing boxes, the core interface redirect running
// with one recording input handler, and the scene views opened as the View
// menu opens them.

#include "MainWindowTest.h"

#include "core/InputEventHandler.h"
#include "core/QuendaInterfaces.h"
#include "views/OGLFrame.h"
#include "views/SceneViewWnd.h"

#include "framework/BasePlugin.h"
#include "framework/InterfaceQuery.h"
#include "framework/PluginClass.h"

#include <cstring>
#include <list>
#include <string>
#include <vector>

// Attaches to Front views only and notes every event it is given. Its class
// is registered once, in SceneViewTest.cpp.
class RecordingHandler : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();

    // "NAME x,y SOURCE" for the mouse, "NAME key SOURCE" for keys.
    static std::vector<std::string>& Events() {
        static std::vector<std::string> events;
        return events;
    }

    void* FindInterface(const char* name) override {
        return InterfaceQuery(name)
            .Answer("BasePlugin", static_cast<BasePlugin*>(this))
            .Answer("InputEventHandler", static_cast<InputEventHandler*>(this))
            .Answer("RecordingHandler", this)
            .Result();
    }
    bool AcceptsSource(InputEventSource* source) override {
        return std::strcmp(source->GetClass()->GetName(), "FrontView") == 0;
    }
    bool OnMouseMove(POINT p, InputEventSource* s) override { return Note("MouseMove", p, s); }
    bool OnLButtonDown(POINT p, InputEventSource* s) override { return Note("LButtonDown", p, s); }
    bool OnLButtonUp(POINT p, InputEventSource* s) override { return Note("LButtonUp", p, s); }
    bool OnRButtonDown(POINT p, InputEventSource* s) override { return Note("RButtonDown", p, s); }
    bool OnKeyDown(UINT key, InputEventSource* s) override { return Note("KeyDown", key, s); }
    bool OnKeyUp(UINT key, InputEventSource* s) override { return Note("KeyUp", key, s); }

  private:
    bool Note(const char* name, POINT p, InputEventSource* s) {
        return Note(name, std::to_string(p.x) + "," + std::to_string(p.y), s);
    }
    bool Note(const char* name, UINT key, InputEventSource* s) {
        return Note(name, std::to_string(key), s);
    }
    bool Note(const char* name, const std::string& what, InputEventSource* source) {
        Events().push_back(name + (" " + what) + " " + source->GetClass()->GetName().str());
        return true;
    }
};

class ViewTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        RecordingHandler::Events().clear();
        m_pInterfaces = new QuendaInterfaces;
        m_pInterfaces->AddClass(RTTIClass::FindClass("RecordingHandler"));
        m_pInterfaces->Initialize();
    }
    void TearDown() override {
        for (OGLFrame*& frame : m_frames)
            if (frame)
                frame->DestroyWindow(); // the frame deletes itself
        m_frames.clear();
        m_pInterfaces->Shutdown();
        MainWindowTest::TearDown();
    }

    // Opened with the View menu's resource, style and title, then given the
    // client size asked for.
    OGLFrame* OpenView(const char* className, int width, int height) {
        OGLFrame*& frame = m_frames.emplace_back(nullptr);
        frame = new OGLFrame(&frame);
        EXPECT_TRUE(frame->LoadFrame(103, WS_OVERLAPPEDWINDOW, m_pMainWnd));
        frame->SetTitle(className);
        frame->SetOGLWndClass(className);
        frame->ShowWindow(SW_RESTORE);
        frame->ActivateFrame();
        SetClientSize(frame, width, height);
        return frame;
    }
    static SceneViewWnd* ViewOf(OGLFrame* frame) {
        OGLWnd* view = frame->GetView();
        return view ? static_cast<SceneViewWnd*>(
                          static_cast<SceneView*>(view->FindInterface("SceneView")))
                    : nullptr;
    }
    // The view's window rectangle in the frame's client coordinates.
    static CRect ViewRectInFrame(OGLFrame* frame) {
        CRect rect;
        frame->GetView()->GetWindowRect(&rect);
        frame->ScreenToClient(&rect);
        return rect;
    }

    std::list<OGLFrame*> m_frames; // each emptied by its frame when it closes
    Pointer<QuendaInterfaces> m_pInterfaces;
};
