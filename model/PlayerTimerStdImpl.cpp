#include "model/PlayerTimerStdImpl.h"

#include "host/HasProperties.h"
#include "host/Instance.h"

#include "framework/InterfaceQuery.h"

#include <QTimer>

#include <algorithm>

namespace {
bool IsBlank(const String& text) {
    return text.str().find_first_not_of(" \t\r\n") == std::string::npos;
}
} // namespace

PlayerTimerStdImpl::PlayerTimerStdImpl(Pointer<PlayerStdImpl> player,
                                       Pointer<TimeLineStdImpl> timeLine)
    : m_pPlayer(std::move(player)), m_pTimeLine(std::move(timeLine)), m_engine(*this) {}

PlayerTimerStdImpl::~PlayerTimerStdImpl() = default;

void* PlayerTimerStdImpl::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("PlayerTimer", static_cast<PlayerTimer*>(this))
        .Answer("SharedObject", static_cast<SharedObject*>(this))
        .Answer("PlayerTimerStdImpl", this)
        .Result();
}

void PlayerTimerStdImpl::Start() {
    m_bRunning = true;
    Schedule();
}

void PlayerTimerStdImpl::Stop() {
    m_bRunning = false;
    Schedule();
}

void PlayerTimerStdImpl::SetManualTiming(bool manual) {
    m_bManual = manual;
    Schedule();
}

void PlayerTimerStdImpl::SetFrameRate(int framesPerSecond) {
    m_nFrameRate = std::clamp(framesPerSecond, 1, 1000);
    Schedule();
}

// The Qt timer exists only once real-time playback is wanted, so that the
// model works without an event loop.
void PlayerTimerStdImpl::Schedule() {
    if (!m_bRunning || m_bManual) {
        if (m_pTimer)
            m_pTimer->stop();
        return;
    }
    if (!m_pTimer) {
        m_pTimer = std::make_unique<QTimer>();
        m_pTimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_pTimer.get(), &QTimer::timeout, [this] { Tick(); });
    }
    m_pTimer->start(1000 / m_nFrameRate);
}

void PlayerTimerStdImpl::Tick() {
    // A script error shows a modal report; the timer must not tick under it.
    if (m_bInTick)
        return;
    m_bInTick = true;
    int old = m_pPlayer->GetCurrentFrame();
    if (old >= m_pTimeLine->GetLastFrame()) {
        Stop();
    } else {
        m_pPlayer->ShowFrame(old + 1);
        RunScripts(old + 1);
        m_pPlayer->Announce(m_pPlayer->GetCurrentFrame(), old);
    }
    m_bInTick = false;
}

void PlayerTimerStdImpl::RunScripts(int frame) {
    for (const auto& instance : m_pTimeLine->GetInstancesAt(frame)) {
        auto properties = instance.As<HasProperties>("HasProperties");
        if (!properties)
            continue;
        PropertyHolderList holders = properties->GetHolders();
        for (const auto& holder : holders) {
            auto scripts = holder.As<PropertyHolderScript>("PropertyHolderScript");
            if (!scripts)
                continue;
            for (const String& name : scripts->GetScriptNames()) {
                String source;
                if (!holder->GetPropertyValue(name, source) || IsBlank(source))
                    continue;
                if (auto error = m_engine.Run(source, instance)) {
                    // Playback stops before the author is told, and the
                    // remaining scripts of the frame do not run.
                    Stop();
                    ScriptEngine::Report(scripts, name, *error);
                    return;
                }
            }
        }
    }
}

int PlayerTimerStdImpl::GetCurrentFrame() {
    return m_pPlayer->GetCurrentFrame();
}

void PlayerTimerStdImpl::GoToFrame(int frame) {
    m_pPlayer->ShowFrame(frame);
}

InstanceList PlayerTimerStdImpl::GetInstancesAt(int row, int frame) {
    return m_pTimeLine->GetInstances(row, frame, frame);
}
