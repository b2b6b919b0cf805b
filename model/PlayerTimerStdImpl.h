#pragma once

#include "model/PlayerStdImpl.h"
#include "model/ScriptEngine.h"
#include "model/ScriptHost.h"
#include "model/TimeLineStdImpl.h"

#include "host/PlayerTimer.h"

#include "framework/SharedObject.h"

#include <memory>

class QTimer;

// "Player Timer": playback at the project's frame rate. Each tick advances the
// frame, runs the scripts of the instances alive there (frame scripts
// included), then announces the change; after the project's last frame the
// timer stops. In manual timing (scripted sessions) only Tick advances, so
// that runs are repeatable.
class PlayerTimerStdImpl : public PlayerTimer, public SharedObject, private ScriptHost {
  public:
    PlayerTimerStdImpl(Pointer<PlayerStdImpl> player, Pointer<TimeLineStdImpl> timeLine);
    ~PlayerTimerStdImpl() override;

    void* FindInterface(const char* name) override;
    String GetSharedName() override { return "Player Timer"; }

    void Start() override;
    void Stop() override;
    bool IsRunning() override { return m_bRunning; }

    // One tick, playing or not.
    void Tick();
    void SetManualTiming(bool manual);
    int GetFrameRate() const { return m_nFrameRate; }
    // Frames a second, from 1 to 1000.
    void SetFrameRate(int framesPerSecond);
    ScriptEngine& GetScriptEngine() { return m_engine; }

  private:
    int GetCurrentFrame() override;
    void GoToFrame(int frame) override;
    void StopPlaying() override { Stop(); }
    InstanceList GetInstancesAt(int row, int frame) override;

    void RunScripts(int frame);
    void Schedule();

    Pointer<PlayerStdImpl> m_pPlayer;
    Pointer<TimeLineStdImpl> m_pTimeLine;
    ScriptEngine m_engine;
    std::unique_ptr<QTimer> m_pTimer;
    int m_nFrameRate = 25;
    bool m_bRunning = false;
    bool m_bManual = false;
    bool m_bInTick = false;
};
