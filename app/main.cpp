#include "app/CommandLine.h"
#include "app/FirstPaint.h"
#include "app/HostApplication.h"
#include "app/LaunchEnvironment.h"
#include "app/MainFrame.h"
#include "app/SessionError.h"
#include "app/SessionRunner.h"
#include "app/SessionScript.h"

#include "framework/AppPath.h"
#include "framework/Debugger.h"
#include "platform/Automation.h"
#include "platform/gl/RendererWarmUp.h"

#include <QApplication>
#include <QSettings>
#include <QWidget>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

namespace {

// Start-up makes and frees many large renderer buffers, faster kept inside the
// heap. From the first paint on, a fixed threshold gives such buffers mappings
// of their own, handed back when freed: otherwise the allocator raises the
// threshold, keeps them inside the heap, and a tool left open all day grows by
// fragments it never hands back. With CORVANE_EXIT_AT_FIRST_PAINT the program
// ends there, so that start-up can be timed from outside
// (scripts/startup-time.sh).
void WatchFirstPaint(MainFrame* frame, bool exitThere) {
    new FirstPaint(frame->GetWidget()->window(), [exitThere] {
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        if (!exitThere)
            return;
        std::puts("corvane: first paint");
        std::fflush(stdout);
        std::_Exit(0);
    });
}

} // namespace

int main(int argc, char** argv) {
    // Before any thread starts, and so that the tools started later do not
    // inherit the launcher's allocator setting.
    LaunchEnvironment::Restore();
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

    // The contexts of the four scene views, made while the rest starts.
    const RendererWarmUp rendererWarmUp(4);
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
            if (MainFrame* frame = host.GetMainFrame())
                WatchFirstPaint(frame, false);
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
            WatchFirstPaint(frame, std::getenv("CORVANE_EXIT_AT_FIRST_PAINT") != nullptr);
            status = application.exec();
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        status = 1;
    }
    host.Shutdown();
    return status;
}
