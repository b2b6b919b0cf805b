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
#include "framework/PluginClass.h"

#include <list>
#include <string>
#include <vector>

// Attaches to Front views only and notes every event it is given.
class RecordingHandler : public BasePlugin, public InputEventHandler {
  public:
    CORVANE_DECLARE_CLASS();

    // "NAME x,y SOURCE" for the mouse, "NAME key SOURCE" for keys.
    static std::vector<std::string>& Events();

    void* FindInterface(const char* name) override;
    bool AcceptsSource(InputEventSource* source) override;
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
    bool Note(const char* name, const std::string& what, InputEventSource* source);
};

class ViewTest : public MainWindowTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opened with the View menu's resource, style and title, then given the
    // client size asked for.
    OGLFrame* OpenView(const char* className, int width, int height);
    static SceneViewWnd* ViewOf(OGLFrame* frame);
    // The view's window rectangle in the frame's client coordinates.
    static CRect ViewRectInFrame(OGLFrame* frame);
    // The client point at which an orthographic view shows a scene point, with
    // its pan and zoom as they are (25 pixels a unit at zoom 1).
    static CPoint ScreenPointOf(SceneViewWnd* view, Float3 scenePoint);

    // The input handler classes the core interface redirect knows, in its order.
    std::vector<const char*> m_handlerClasses{"RecordingHandler"};
    std::list<OGLFrame*> m_frames; // each emptied by its frame when it closes
    Pointer<QuendaInterfaces> m_pInterfaces;
};
