#include "viewer/Viewer.h"

#include "viewer/ViewerError.h"
#include "viewer/ViewerResources.h"
#include "viewer/ViewerScriptExceptionHandler.h"
#include "viewer/ViewerSettings.h"
#include "viewer/ViewerWnd.h"

#include "framework/AppPath.h"
#include "framework/Debugger.h"
#include "framework/PluginManager.h"
#include "framework/SharedObjects.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/Project.h"
#include "host/TimeLine.h"
#include "model/ProjectModel.h"
#include "platform/Automation.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include <filesystem>
#include <memory>

namespace {

std::string ExecutablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

template <class T> Pointer<T> Get(const char* sharedName, const char* interfaceName) {
    return GetSharedObjects()->GetObjectA(sharedName).As<T>(interfaceName);
}

} // namespace

int Viewer::Run() {
    // Without a display there is no one to answer a message box.
    Automation::Instance().SetSessionMode(m_options.bOffscreen);
    std::string executable = ExecutablePath();
    try {
        ViewerSettings settings = ViewerSettings::Load(GetAppPath("platform.cfg").str());
        ViewerResources resources = ViewerResources::Read(executable);
        QTemporaryDir folder(QDir::tempPath() + "/corvane-viewer-XXXXXX");
        if (!folder.isValid())
            throw ViewerError("it cannot make a folder for its project");
        std::string project = resources.Extract(folder.path().toStdString());

        int status = 0;
        {
            ProjectModel model;
            model.SetManualTiming(m_options.frames.has_value());
            model.Publish(GetSharedObjects());
            Pointer<SharedObject> handler(new ViewerScriptExceptionHandler);
            GetSharedObjects()->AddObject(handler);
            LoadPlugins();
            try {
                status = Play(model, settings, project);
            } catch (const ViewerError&) {
                GetSharedObjects()->RemoveObject(handler);
                model.Withdraw(GetSharedObjects());
                throw;
            }
            GetSharedObjects()->RemoveObject(handler);
            model.Withdraw(GetSharedObjects());
        }
        // The media classes' objects are gone with the model.
        GetPluginManager()->UnloadAll();
        return status;
    } catch (const ViewerError& error) {
        return Fail(error.what());
    }
}

void Viewer::LoadPlugins() {
    for (const std::string& path : GetPluginManager()->LoadFolder(GetAppPath("Plugins/").str()))
        if (!GetPluginManager()->GetSymbol(path, "GetProjectorPluginList"))
            TVK::GetDebugger()->Print("%s is not a viewer plug-in\n", path.c_str());
}

int Viewer::Play(ProjectModel& model, const ViewerSettings& settings, const std::string& project) {
    std::string title = std::filesystem::path(ExecutablePath()).stem().string();
    auto window = std::make_unique<ViewerWnd>();
    if (!window->CreateViewer(title.c_str(), settings.nWidth, settings.nHeight))
        throw ViewerError("it cannot open its window");

    // The model tells the person itself what is wrong with a project.
    if (!Get<Project>("Project", "Project")->Load(Pointer<BaseObject>(), String(project)))
        return 1;
    Get<Player>("Player", "Player")->SetCurrentFrame(1);
    Get<TimeLine>("Time Line", "TimeLine")->PrepareForPlay();
    Pointer<PlayerTimer> timer = Get<PlayerTimer>("Player Timer", "PlayerTimer");
    model.SetFrameChangeListener([&window](int, int) { window->Invalidate(FALSE); });
    timer->Start();

    if (m_options.frames) {
        for (int frame = 0; frame < *m_options.frames && timer->IsRunning(); ++frame)
            model.Tick();
        window->UpdateWindow();
    } else {
        QApplication::exec();
    }
    timer->Stop();
    model.SetFrameChangeListener({});

    int status = 0;
    if (m_options.screenshot && window->GetWidget()) {
        QPixmap picture = window->GetWidget()->grab();
        if (!picture.save(QString::fromStdString(*m_options.screenshot), "PNG"))
            status = Fail("it cannot write the picture \"" + *m_options.screenshot + "\"");
    }
    window->DestroyWindow();
    return status;
}

int Viewer::Fail(const std::string& problem) {
    std::string text = "This viewer cannot play: " + problem + ".";
    TVK::GetDebugger()->PrintError("%s\n", text.c_str());
    MessageBoxA(nullptr, text.c_str(), "Corvane Viewer", MB_OK | MB_ICONHAND);
    return 1;
}
