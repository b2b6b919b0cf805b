#include "project/FileMenuHandler.h"

#include "core/ModuleExports.h"
#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "framework/SingleInstancePluginClass.h"
#include "host/AcceleratorManager.h"
#include "host/MenuManager.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/Project.h"
#include "platform/CFileDialog.h"
#include "platform/CWaitCursor.h"
#include "platform/CWnd.h"

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(FileMenuHandler)

namespace {

const char kProjectFilter[] = "Corvane Projects (*.qmx)|*.qmx|All Files (*.*)|*.*||";

Pointer<Project> GetProject() {
    return GetSharedObjects()->GetObjectA("Project").As<Project>("Project");
}

Pointer<Player> GetPlayer() {
    return GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
}

// A project must not change under a running playback; it stays stopped.
void StopPlayer() {
    Pointer<PlayerTimer> timer =
        GetSharedObjects()->GetObjectA("Player Timer").As<PlayerTimer>("PlayerTimer");
    if (timer->IsRunning())
        timer->Stop();
}

} // namespace

void* FileMenuHandler::FindInterface(const char* name) {
    return InterfaceQuery(name)
        .Answer("MenuHandler", static_cast<MenuHandler*>(this))
        .AnswerBase(FindStaticInstancePluginInterface(name))
        .Answer("FileMenuHandler", this)
        .Result();
}

void FileMenuHandler::Initialize() {
    Pointer<MenuManager> menuManager =
        GetSharedObjects()->GetObjectA("Menu Manager").As<MenuManager>("MenuManager");
    Pointer<MenuHandler> self(static_cast<MenuHandler*>(this));

    // Each item goes just before the host's Exit item, so the seven keep their order.
    const String path = "&File\nE&xit\tAlt+F4";
    int newID = menuManager->AddMenuItem(kNew, path, "&New\tCtrl+N", self, false, false,
                                         "Create a new Corvane project\nNew (Ctrl+N)");
    int openID = menuManager->AddMenuItem(kOpen, path, "&Open\tCtrl+O", self, false, false,
                                          "Open a Corvane project from disk\nOpen (Ctrl+O)");
    int saveID = menuManager->AddMenuItem(kSave, path, "&Save\tCtrl+S", self, false, false,
                                          "Save this Corvane project to disk\nSave (Ctrl+S)");
    int saveAsID = menuManager->AddMenuItem(
        kSaveAs, path, "Save &As\tCtrl+Shift+S", self, false, false,
        "Save this Corvane project under a different filename\nSave As (Ctrl+Shift+S)");
    menuManager->AddMenuItem(-1, path, "", self, false, true, "");
    menuManager->AddMenuItem(kGenerateEXE, path, "Generate EXE", self, false, false,
                             "Generates an executable file for this project\nGenerate EXE");
    menuManager->AddMenuItem(-1, path, "", self, false, true, "");

    const BYTE fCtrl = FVIRTKEY | FNOINVERT | FCONTROL;
    const BYTE fCtrlShift = fCtrl | FSHIFT;
    const ACCEL entries[4] = {
        {fCtrl, 'N', static_cast<WORD>(newID)},
        {fCtrl, 'O', static_cast<WORD>(openID)},
        {fCtrl, 'S', static_cast<WORD>(saveID)},
        {fCtrlShift, 'S', static_cast<WORD>(saveAsID)},
    };
    GetSharedObjects()
        ->GetObjectA("KBAccel Manager")
        .As<AcceleratorManager>("AcceleratorManager")
        ->AddAcceleratorTable(entries, 4);
}

void FileMenuHandler::ExecuteMenuItem(int cookie) {
    switch (cookie) {
    case kNew:
        New();
        break;
    case kOpen:
        Open();
        break;
    case kSave:
        Save();
        break;
    case kSaveAs:
        SaveAs();
        break;
    default:
        break;
    }
}

void FileMenuHandler::New() {
    StopPlayer();
    GetProject()->New();
    GetPlayer()->SetCurrentFrame(1);
}

void FileMenuHandler::Open() {
    StopPlayer();
    CFileDialog dialog(TRUE, "qmx", nullptr, OFN_HIDEREADONLY, kProjectFilter, AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;
    Pointer<Project> project = GetProject();
    {
        CWaitCursor wait;
        project->Load(Pointer<BaseObject>(), dialog.GetPathName());
    }
    GetPlayer()->SetCurrentFrame(1);
}

void FileMenuHandler::Save() {
    StopPlayer();
    Pointer<Project> project = GetProject();
    if (project->GetFileName().IsEmpty()) {
        SaveAs();
        return;
    }
    {
        CWaitCursor wait;
        project->Save(Pointer<BaseObject>(), project->GetFileName());
    }
    UpdateAllMDIChildWindows();
}

void FileMenuHandler::SaveAs() {
    StopPlayer();
    CFileDialog dialog(FALSE, "qmx", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       kProjectFilter, AfxGetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;
    Pointer<Project> project = GetProject();
    {
        CWaitCursor wait;
        project->Save(Pointer<BaseObject>(), dialog.GetPathName());
    }
    UpdateAllMDIChildWindows();
}
