#pragma once

#include "core/InputEventHandler.h"

#include "framework/BasePlugin.h"
#include "platform/WinTypes.h"

class SceneView;

// What the two drag handlers of the orthographic views share: they attach to
// the Top, Front and Side views, keep the buttons held and the last point of
// a drag, hold the mouse and the view's events while any button of the drag
// is down, and read the moves along the view's own screen axes.
class SceneDragHandler : public BasePlugin, public InputEventHandler {
  public:
    bool AcceptsSource(InputEventSource* source) override;
    // Clear the button's bit; the drag ends when no button is left. Never
    // taken, so that the release reaches the other handlers too.
    bool OnLButtonUp(POINT point, InputEventSource* source) override;
    bool OnRButtonUp(POINT point, InputEventSource* source) override;

  protected:
    // Bits of the button state.
    static constexpr DWORD kLeft = 1;
    static constexpr DWORD kRight = 2;

    // Which of the three views a source is, in the order of the tables the
    // handlers keep per view.
    enum ViewKind { kFrontView, kSideView, kTopView, kOtherView };
    // One component's change in a table: none, or the distance moved along
    // one screen axis in one direction (y grows downwards).
    enum Term { kUnchanged, kRightward, kLeftward, kDownward, kUpward };
    // Per view, the change of each component of a translation that makes the
    // scene follow the mouse: a point under the cursor stays under it.
    static constexpr Term kFollowMouse[3][3] = {
        {kRightward, kUpward, kUnchanged},   // FrontView: x, y
        {kUnchanged, kUpward, kLeftward},    // SideView: y, and z to the left
        {kRightward, kUnchanged, kDownward}, // TopView: x, and z downwards
    };

    static ViewKind KindOf(InputEventSource* source);
    static SceneView* SceneViewOf(InputEventSource* source);
    // True while the project plays; presses are not taken then.
    static bool IsPlaying();
    // The pixels of a move from the last point to point, as the term reads them.
    int Pixels(Term term, POINT point) const;

    // Holds the mouse for the source's window and the source's events, sets
    // the button's bit, remembers the point and redraws every window.
    void BeginDrag(DWORD button, POINT point, InputEventSource* source);

    DWORD m_dwButtons = 0;
    int m_nLastX = 0;
    int m_nLastY = 0;

  private:
    void EndButton(DWORD button, InputEventSource* source);
};
