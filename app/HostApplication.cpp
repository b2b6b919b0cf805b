#include "app/HostApplication.h"

#include "app/GestureWatcher.h"
#include "app/MainFrame.h"
#include "app/RecoveryKeeper.h"
#include "app/RecoveryStore.h"
#include "app/UndoController.h"

#include "framework/PluginManager.h"
#include "framework/SharedObjects.h"
#include "model/ProjectModel.h"

#include "app/Corvane.xpm"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>

#include <stdexcept>

HostApplication::HostApplication() = default;

HostApplication::~HostApplication() {
    Shutdown();
}

void HostApplication::Start(const std::string& pluginFolder, bool manualTiming) {
    m_bStarted = true;
    // Every window without an icon of its own shows the application's.
    QApplication::setWindowIcon(QIcon(QPixmap(Corvane_xpm)));
    // The main window comes first: menu handlers add their items to its menu
    // bar when they are initialised.
    auto* frame = new MainFrame; // deletes itself when its window is destroyed
    if (!frame->CreateMainWindow())
        throw std::runtime_error("Unable to create the main window");

    // The model's services must be published before any plug-in initialises.
    m_pModel = std::make_unique<ProjectModel>();
    m_pModel->SetManualTiming(manualTiming);
    m_pUndo = std::make_unique<UndoController>(*m_pModel);
    m_pModel->SetFrameChangeListener([this](int newFrame, int oldFrame) {
        m_pUndo->OnFrameChange();
        m_plugins.OnFrameChange(newFrame, oldFrame);
    });
    m_pModel->Publish(GetSharedObjects());
    frame->SetUndoController(m_pUndo.get());
    m_pGestureWatcher = std::make_unique<GestureWatcher>(*m_pUndo, nullptr);
    QCoreApplication::instance()->installEventFilter(m_pGestureWatcher.get());

    m_plugins.LoadPluginFolder(pluginFolder);
    m_plugins.Start();

    m_pRecovery = std::make_unique<RecoveryKeeper>(*m_pModel, RecoveryStore::DefaultFolder());
    // The title's unsaved-changes mark follows every step and every recovery round.
    auto refreshTitle = [this] {
        if (MainFrame* main = GetMainFrame())
            main->RefreshTitle();
    };
    m_pUndo->SetChangeListener(refreshTitle);
    m_pRecovery->SetRoundListener(refreshTitle);
    m_pRecovery->Start();
    frame->AttachProject(m_pModel.get(), m_pRecovery.get());
}

void HostApplication::OfferRecovery() {
    if (!m_pRecovery)
        return;
    m_pRecovery->OfferRestore();
    if (MainFrame* frame = GetMainFrame())
        frame->RefreshTitle();
}

MainFrame* HostApplication::GetMainFrame() const {
    return dynamic_cast<MainFrame*>(AfxGetMainWnd());
}

void HostApplication::Shutdown() {
    if (!m_bStarted)
        return;
    m_bStarted = false;
    m_pGestureWatcher.reset();
    // Whatever the author was asked at closing, the copy has served.
    if (m_pRecovery)
        m_pRecovery->Finish();
    if (MainFrame* frame = GetMainFrame()) {
        frame->SetUndoController(nullptr);
        frame->AttachProject(nullptr, nullptr);
    }
    m_pRecovery.reset();
    m_plugins.ShutDownPlugins();
    // The windows of plug-ins live in their libraries: they go before those
    // are unloaded, and they unregister and withdraw what they published.
    if (MainFrame* frame = GetMainFrame())
        frame->DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_plugins.ReleasePlugins();
    if (m_pModel) {
        m_pModel->SetFrameChangeListener({});
        m_pUndo.reset();
        m_pModel->Withdraw(GetSharedObjects());
        m_pModel.reset();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    GetPluginManager()->UnloadAll();
}
