#pragma once

#include "app/PluginHost.h"

#include <memory>
#include <string>

class GestureWatcher;
class MainFrame;
class ProjectModel;
class UndoController;
class RecoveryKeeper;

// The running authoring tool: the main window, the project model and the
// plug-ins, started in the order the plug-ins rely on and shut down in
// reverse. Needs a QApplication.
class HostApplication {
  public:
    HostApplication();
    ~HostApplication();
    HostApplication(const HostApplication&) = delete;
    HostApplication& operator=(const HostApplication&) = delete;

    // Opens the main window, creates and publishes the model, then loads,
    // publishes and initialises the plug-ins of the folder. With manual
    // timing the playback timer advances only through ProjectModel::Tick.
    // Throws std::runtime_error when the main window cannot be made.
    void Start(const std::string& pluginFolder, bool manualTiming);
    // Offers to restore the recovery copies that tools which did not end
    // cleanly left behind.
    void OfferRecovery();
    // Shuts the plug-ins down, removes the recovery copy of this run, closes the windows, withdraws
    // and drops every published object and the model, then unloads the plug-in libraries.
    void Shutdown();

    // Null once the main window has been closed.
    MainFrame* GetMainFrame() const;
    ProjectModel* GetModel() const { return m_pModel.get(); }
    PluginHost& GetPlugins() { return m_plugins; }
    // The history of the author's steps; null before Start and after Shutdown.
    UndoController* GetUndo() const { return m_pUndo.get(); }
    RecoveryKeeper* GetRecovery() const { return m_pRecovery.get(); }

  private:
    std::unique_ptr<ProjectModel> m_pModel;
    std::unique_ptr<RecoveryKeeper> m_pRecovery;
    std::unique_ptr<UndoController> m_pUndo;
    std::unique_ptr<GestureWatcher> m_pGestureWatcher;
    PluginHost m_plugins;
    bool m_bStarted = false;
};
