#pragma once

#include "app/SessionCommand.h"
#include "app/SessionInput.h"

#include <string>
#include <vector>

class CMDIChildWnd;
class HostApplication;
class MainFrame;
class QWidget;

// Runs the commands of a scripted session on a started host, through the
// paths a person's actions take. Pending events are processed after every
// command, so that paints and timers settle before the next one.
class SessionRunner {
  public:
    SessionRunner(HostApplication& host, std::string fileName);

    // Runs until the last command, "quit" or the main window closing. Throws
    // SessionError ("FILE:LINE: message") for the command that failed.
    void Run(const std::vector<SessionCommand>& commands);
    // As File > Open answered with the path; throws std::runtime_error.
    void Open(const std::string& path);

    // Lets queued events, paints and deferred deletions run.
    static void ProcessPendingEvents();

  private:
    // False when the session ends.
    bool Execute(const SessionCommand& command);
    void Key(const SessionCommand& command);
    void Mouse(const SessionCommand& command);
    void Drag(const SessionCommand& command);
    void Resize(const SessionCommand& command);
    void Dump(const std::string& path);
    void Screenshot(const SessionCommand& command);

    MainFrame& GetFrame() const;
    CMDIChildWnd& GetChildFrame(const std::string& title) const;
    // The child frame a pointer command goes to, brought to the front as a
    // click would.
    CMDIChildWnd& GetPointerTarget(const SessionCommand& command);
    QWidget* GetKeyTarget(const SessionCommand& command);
    static QWidget* GetKeyTargetWithin(CMDIChildWnd& frame);

    HostApplication& m_host;
    std::string m_strFileName;
    SessionInput m_input;
};
