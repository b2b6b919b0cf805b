#pragma once

// A main window with an MDI area, the player as a fake that draws boxes, the
// core interface redirect running with one recording input handler, and the
// scene views opened as the View menu opens them.

#include "FakeScene.h"

#include "core/InputEventHandler.h"
#include "core/QuendaInterfaces.h"
#include "views/OGLFrame.h"
#include "views/SceneViewWnd.h"

#include "framework/BasePlugin.h"
#include "framework/PluginClass.h"
#include "platform/MDIFrameWnd.h"

#include <QImage>

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

// Attaches to Front views only and notes every event it is given.
class RecordingHandler : public BasePlugin, public InputEventHandler {
public:
    CORVANE_DECLARE_CLASS();

    struct Event {
        std::string name;
        POINT point;
        UINT key;
        std::string source;
    };
    static std::vector<Event>& Events();

    void* FindInterface(const char* name) override;
    bool AcceptsSource(InputEventSource* source) override;
    bool OnMouseMove(POINT point, InputEventSource* source) override { return Note("MouseMove", point, 0, source); }
    bool OnLButtonDown(POINT point, InputEventSource* source) override { return Note("LButtonDown", point, 0, source); }
    bool OnLButtonUp(POINT point, InputEventSource* source) override { return Note("LButtonUp", point, 0, source); }
    bool OnRButtonDown(POINT point, InputEventSource* source) override { return Note("RButtonDown", point, 0, source); }
    bool OnKeyDown(UINT key, InputEventSource* source) override { return Note("KeyDown", {0, 0}, key, source); }
    bool OnKeyUp(UINT key, InputEventSource* source) override { return Note("KeyUp", {0, 0}, key, source); }

private:
    bool Note(const char* name, POINT point, UINT key, InputEventSource* source);
};

class ViewTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opened with the View menu's resource, style and title, then given the
    // client size asked for.
    OGLFrame* OpenView(const char* className, int width, int height);
    static SceneViewWnd* ViewOf(OGLFrame* frame);
    static void SetClientSize(CWnd* window, int width, int height);
    // The view's window rectangle in the frame's client coordinates.
    static CRect ViewRectInFrame(OGLFrame* frame);
    // What the window shows, after any pending paint.
    static QImage Picture(CWnd* window);
    static COLORREF ColourOf(const QImage& picture, int x, int y);
    // The client point at which the view shows a scene point, with its pan and
    // zoom as they are (25 pixels a unit at zoom 1).
    static CPoint ScreenPointOf(SceneViewWnd* view, Float3 scenePoint);

    CMDIFrameWnd* m_pMainWnd = nullptr;
    std::list<OGLFrame*> m_frames; // each emptied by its frame when it closes
    Pointer<FakePlayer> m_pPlayer;
    Pointer<FakeTimeLine> m_pTimeLine;
    Pointer<FakeCastList> m_pCastList;
    Pointer<QuendaInterfaces> m_pInterfaces;
};
