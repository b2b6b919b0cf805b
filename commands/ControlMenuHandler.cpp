#include "commands/ControlMenuHandler.h"

#include "framework/Debugger.h"
#include "framework/Exception.h"
#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "framework/SingleInstancePluginClass.h"
#include "host/AcceleratorManager.h"
#include "host/MenuManager.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/TimeLine.h"
#include "timeline/TimeLineWindow.h"

#include <exception>

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(ControlMenuHandler)

namespace {

Pointer<PlayerTimer> GetPlayerTimer() {
    return GetSharedObjects()->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer");
}

// A key frame selected in the time line would catch the edits made while the
// project plays or after it rewinds. The time line window may well not be
// open: then there is nothing to clear. Framework exceptions still reach the
// caller; any other failure of the window is reported, and the command goes
// on without it.
void ClearSelectedKeyFrame() {
    const auto report = [](const char* what) {
        TVK::GetDebugger()->PrintError(
            "The time line window failed to clear its selected key frame: %s\n", what);
    };
    try {
        Pointer<TimeLineWindow> window =
            GetSharedObjects()->GetObjectA("Time Line Window").As<TimeLineWindow>("TimeLineWindow");
        if (window)
            window->SetSelectedKeyFrame(Pointer<KeyFrame>());
    } catch (Exception*) {
        throw;
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("an unknown error");
    }
}

} // namespace

void* ControlMenuHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("MenuHandler", static_cast<MenuHandler*>(this))
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("ControlMenuHandler", this)
        .Result();
}

void ControlMenuHandler::Initialize() {
    Pointer<MenuManager> menuManager =
        GetSharedObjects()->GetObjectA("Menu Manager").As<MenuManager>("MenuManager");
    if (!menuManager)
        return; // a host without menus: nothing to add, and no commands to bind keys to
    Pointer<MenuHandler> self(static_cast<MenuHandler*>(this));

    // Just before the host's "&Window" menu, or at the end of the menu bar.
    menuManager->AddMenuItem(-1, "&Window", "&Control", self, true, false, "");
    int playID = menuManager->AddMenuItem(kPlay, "&Control\n*", "&Play\tEnter", self, false, false,
                                          "Start playing the project\nPlay (Enter)");
    int stopID = menuManager->AddMenuItem(kStop, "&Control\n*", "&Stop\tEsc", self, false, false,
                                          "Stop the playing\nStop (Esc)");
    menuManager->AddMenuItem(-1, "&Control\n*", "", self, false, true, "");
    int rewindID =
        menuManager->AddMenuItem(kRewind, "&Control\n*", "&Rewind\tBackspace", self, false, false,
                                 "Rewind to the beginning of the project\nRewind (Backspace)");

    const BYTE fVirtKey = FVIRTKEY | FNOINVERT;
    const ACCEL entries[3] = {
        {fVirtKey, VK_RETURN, static_cast<WORD>(playID)},
        {fVirtKey, VK_ESCAPE, static_cast<WORD>(stopID)},
        {fVirtKey, VK_BACK, static_cast<WORD>(rewindID)},
    };
    GetSharedObjects()
        ->GetObjectA("KBAccel Manager")
        .As<AcceleratorManager>("AcceleratorManager")
        ->AddAcceleratorTable(entries, 3);
}

void ControlMenuHandler::UpdateMenuItem(int cookie, Pointer<MenuItemState> state) {
    if (cookie != kPlay && cookie != kStop)
        return;
    // Asked afresh every time: playback also starts and stops without us.
    Pointer<PlayerTimer> timer = GetPlayerTimer();
    if (cookie == kPlay) {
        state->Enable(!timer->IsRunning());
        state->SetCheck(timer->IsRunning());
    } else {
        state->Enable(timer->IsRunning());
        state->SetCheck(!timer->IsRunning());
    }
}

void ControlMenuHandler::ExecuteMenuItem(int cookie) {
    switch (cookie) {
    case kPlay:
        Play();
        break;
    case kStop:
        Stop();
        break;
    case kRewind:
        Rewind();
        break;
    default:
        break;
    }
}

void ControlMenuHandler::Play() {
    GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine")->PrepareForPlay();
    ClearSelectedKeyFrame();
    GetPlayerTimer()->Start();
}

void ControlMenuHandler::Stop() {
    GetPlayerTimer()->Stop();
}

void ControlMenuHandler::Rewind() {
    ClearSelectedKeyFrame();
    Pointer<Player> player = GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
    Pointer<PlayerTimer> timer = GetPlayerTimer();
    bool wasRunning = timer->IsRunning();
    if (wasRunning)
        timer->Stop();
    player->SetCurrentFrame(1);
    // A playing project goes on playing from the beginning.
    if (wasRunning)
        timer->Start();
}
