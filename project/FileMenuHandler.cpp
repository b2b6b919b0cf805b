#include "project/FileMenuHandler.h"

#include "core/ModuleExports.h"
#include "framework/AppPath.h"
#include "framework/DiskFile.h"
#include "framework/InterfaceQuery.h"
#include "framework/SharedObjects.h"
#include "framework/SingleInstancePluginClass.h"
#include "framework/WorkFolder.h"
#include "host/AcceleratorManager.h"
#include "host/MenuManager.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/Project.h"
#include "platform/CFileDialog.h"
#include "platform/CWaitCursor.h"
#include "platform/CWnd.h"
#include "platform/FileApi.h"
#include "platform/Kernel.h"
#include "platform/RuntimeLibrary.h"
#include "platform/ShellExecute.h"

CORVANE_REGISTER_SINGLE_INSTANCE_CLASS(FileMenuHandler)

namespace {

const char kProjectFilter[] = "Corvane Projects (*.qmx)|*.qmx|All Files (*.*)|*.*||";
const char kViewerFilter[] = "Viewer Applications (*.exe)|*.exe|All Files (*.*)|*.*||";

// Beside every viewer, in this order.
const char* const kRuntimeFiles[] = {"TVKFramework.dll",        "TVKFiles.dll", "QDObject.dll",
                                     "CorvaneArchitecture.dll", "Nimbrel.dll",  "platform.cfg"};

// The link command's inputs, in this order.
const char* const kLinkInputs[] = {"lib\\advapi32.lib",
                                   "lib\\gdi32.lib",
                                   "lib\\odbccp32.lib",
                                   "lib\\odbc32.lib",
                                   "lib\\comdlg32.lib",
                                   "lib\\ole32.lib",
                                   "lib\\oleaut32.lib",
                                   "lib\\uuid.lib",
                                   "lib\\winspool.lib",
                                   "lib\\TVKFiles.lib",
                                   "lib\\TVKFramework.lib",
                                   "lib\\TVKMain.lib",
                                   "lib\\kernel32.lib",
                                   "lib\\CorvaneArchitecture.lib",
                                   "lib\\shell32.lib",
                                   "lib\\user32.lib",
                                   "lib\\opengl32.lib",
                                   "lib\\glu32.lib",
                                   "lib\\libc.lib",
                                   "lib\\oldnames.lib",
                                   "lib\\libcp.lib",
                                   "lib\\glaux.lib",
                                   "obj\\Viewer.res",
                                   "obj\\PlayerTimerStdImplForViewer.obj",
                                   "obj\\StdAfx.obj",
                                   "obj\\Viewer.obj",
                                   "obj\\ViewerScriptExceptionHandler.obj"};

Pointer<Project> GetProject() {
    return GetSharedObjects()->GetObjectA("Project").As<Project>("Project");
}

Pointer<Player> GetPlayer() {
    return GetSharedObjects()->GetObjectA("Player").As<Player>("Player");
}

// Beside a new viewer: the runtime files, and the plug-ins that the running
// tool has loaded and that a viewer can use.
void CopyBesideViewer(const std::string& target) {
    for (const char* name : kRuntimeFiles)
        CopyFileA(GetAppPath(name), (target + name).c_str(), FALSE);
    const std::string plugins = target + "Plugins\\";
    _mkdir(plugins.c_str());
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA(GetAppPath("Plugins\\*.dll"), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string path = GetAppPath("Plugins\\").str() + found.cFileName;
        HMODULE hModule = GetModuleHandleA(path.c_str());
        if (hModule && GetProcAddress(hModule, "GetProjectorPluginList"))
            CopyFileA(path.c_str(), (plugins + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
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
    case kGenerateEXE:
        GenerateEXE();
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

// The installation's own tools do the work; none of their results is
// examined: a failed compile or link shows only as a missing executable.
void FileMenuHandler::GenerateEXE() {
    StopPlayer();
    Pointer<Project> project = GetProject();
    if (!project->GetFileName().IsEmpty())
        Save();
    else
        SaveAs();
    if (project->GetFileName().IsEmpty())
        return;

    // The installed resource script names this copy of the project. It, the
    // compiled resources and the batch file go into the work folder, which
    // is laid out like the application folder but one the user may write.
    const String temporaryCopy = WorkFolder::GetPath("obj/temp.qm$");
    DeleteFileA(temporaryCopy);
    CopyFileA(project->GetFileName(), temporaryCopy, FALSE);

    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hOwner = pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr;
    CFileDialog dialog(FALSE, "exe", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kViewerFilter,
                       pMainWnd);
    if (dialog.DoModal() == IDOK) {
        const String exePath = dialog.GetPathName();
        CWaitCursor wait;

        const std::string parameters =
            " /l 0x809 /fo\"" + WorkFolder::GetPath("obj\\Viewer.res").str() +
            "\" /d \"NDEBUG\" \"" + WorkFolder::GetPath("obj\\Viewer.rc").str() + "\"";
        ShellExecuteA(hOwner, nullptr, WorkFolder::GetPath("tools\\rc.exe"), parameters.c_str(),
                      WorkFolder::GetPath("tools\\"), SW_HIDE);
        // The resource compiler is given this long; it is not waited for.
        Sleep(5000);

        _chdir(WorkFolder::GetPath());
        const std::string command = "@echo off\r\ntools\\link.exe";
        const std::string options =
            " /nologo /subsystem:windows /incremental:no /machine:I386 /out:\"" + exePath.str() +
            "\"";
        std::string inputs;
        for (const char* input : kLinkInputs)
            inputs += std::string(" \"") + input + "\"";
        Pointer<DiskFile> batch(new DiskFile);
        batch->Open("linkcmd.bat", "wb");
        batch->Write(command.data(), command.size(), 1);
        batch->Write(options.data(), options.size(), 1);
        batch->Write(inputs.data(), inputs.size(), 1);
        batch->Close();
        ShellExecuteA(hOwner, nullptr, WorkFolder::GetPath("linkcmd.bat"), "",
                      WorkFolder::GetPath(), SW_HIDE);

        // The folder part keeps its separator. The path is not cut to MAX_PATH
        // characters: paths here may be longer.
        std::string target = exePath.str();
        for (size_t i = target.size(); i-- > 1;) {
            if (target[i] == '\\' || target[i] == '/') {
                target.resize(i + 1);
                break;
            }
        }
        if (_stricmp(target.c_str(), GetAppPath()) != 0)
            CopyBesideViewer(target);
    }
    DeleteFileA(temporaryCopy);
}
