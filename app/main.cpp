#include "app/CommandLine.h"
#include "app/FirstPaintExit.h"
#include "app/HostApplication.h"
#include "app/MainFrame.h"
#include "app/SessionError.h"
#include "app/SessionRunner.h"
#include "app/SessionScript.h"

#include "framework/AppPath.h"
#include "framework/Debugger.h"
#include "platform/Automation.h"

#include <QApplication>
#include <QSettings>
#include <QWidget>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv) {
    // Without a fixed threshold the allocator raises it after the renderer
    // frees its large per-paint buffers, keeps later ones inside the heap, and
    // a tool left open all day grows by fragments it never hands back.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    CommandLine options;
    try {
        options = CommandLine::Parse(argc, argv);
    } catch (const std::invalid_argument& error) {
        std::cerr << "corvane: " << error.what() << '\n' << CommandLine::Usage();
        return 2;
    }
    if (options.bHelp) {
        std::cout << CommandLine::Usage();
        return 0;
    }
    // Must be set before the QApplication exists: it picks its platform then.
    if (options.bOffscreen)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // A script is checked whole before anything starts.
    std::vector<SessionCommand> commands;
    try {
        if (options.scriptPath)
            commands = SessionScript::Load(*options.scriptPath);
    } catch (const SessionError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }

    QApplication application(argc, argv);
    // Desktops match the windows to the installed entry, corvane.desktop.
    QGuiApplication::setDesktopFileName("corvane");
    HostApplication host;
    int status = 0;
    try {
        host.Start(GetAppPath("Plugins/").str(), options.scriptPath.has_value());
        SessionRunner runner(host, options.scriptPath.value_or(""));
        if (options.projectPath) {
            // A project that fails to open must not wait for a person to
            // close the message box when a script runs the session.
            Automation::Instance().SetSessionMode(options.scriptPath.has_value());
            try {
                runner.Open(*options.projectPath);
            } catch (const std::runtime_error& error) {
                TVK::GetDebugger()->PrintError("Unable to open %s: %s\n",
                                               options.projectPath->c_str(), error.what());
            }
        }
        if (options.scriptPath) {
            // The answers a script gives first are there for the offer of
            // recovery copies.
            auto firstAction =
                std::find_if(commands.begin(), commands.end(), [](const SessionCommand& command) {
                    return command.kind != SessionCommand::Kind::AnswerMessage &&
                           command.kind != SessionCommand::Kind::AnswerFile &&
                           command.kind != SessionCommand::Kind::AnswerDialog;
                });
            runner.Run({commands.begin(), firstAction});
            host.OfferRecovery();
            if (host.GetMainFrame())
                runner.Run({firstAction, commands.end()});
        } else if (MainFrame* frame = host.GetMainFrame()) {
            host.OfferRecovery();
            // Sessions leave the workspace alone, so that they stay repeatable.
            frame->OpenWorkspace(
                QSettings(QSettings::IniFormat, QSettings::UserScope, "Corvane", "workspace")
                    .fileName());
            if (std::getenv("CORVANE_EXIT_AT_FIRST_PAINT"))
                new FirstPaintExit(frame->GetWidget()->window());
            status = application.exec();
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        status = 1;
    }
    host.Shutdown();
    return status;
}
