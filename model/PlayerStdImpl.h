#pragma once

#include "model/Camera.h"
#include "model/TimeLineStdImpl.h"

#include "host/Player.h"

#include "framework/SharedObject.h"

#include <functional>

// "Player": the play head, the camera and the drawing of the instances alive
// at the current frame.
class PlayerStdImpl : public Player, public SharedObject {
  public:
    explicit PlayerStdImpl(Pointer<TimeLineStdImpl> timeLine);

    void* FindInterface(const char* name) override;
    String GetSharedName() override { return "Player"; }

    // Always announced, also for the frame already current, so that windows
    // redraw after the project behind them changed.
    void SetCurrentFrame(int frame) override;
    int GetCurrentFrame() override { return m_nFrame; }
    void ApplyCamera() override;
    // Lights first (the project's own, or a default one when it has none),
    // then every instance alive at the current frame, by row and frame. When
    // selecting, each pickable instance is drawn under its own name, numbered
    // from 0, and nothing else is drawn.
    void Draw(bool selecting) override;
    // The instance drawn under a name by the last selecting Draw.
    Pointer<Instance> GetInstanceForName(int name) override;

    const Camera& GetCamera() const { return m_camera; }
    void SetCamera(const Camera& camera) { m_camera = camera; }
    // Moves the play head and brings the instances alive there up to date,
    // without announcing it; returns the frame before.
    int ShowFrame(int frame);
    void Announce(int newFrame, int oldFrame);
    void SetFrameChangeListener(std::function<void(int, int)> listener) {
        m_listener = std::move(listener);
    }

  private:
    Pointer<TimeLineStdImpl> m_pTimeLine;
    int m_nFrame = 1;
    Camera m_camera;
    InstanceList m_named;
    std::function<void(int, int)> m_listener;
};
