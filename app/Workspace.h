#pragma once

#include <QString>

#include <string>

class CMDIChildWnd;
class MainFrame;

// The author's workspace: which authoring windows are open, where, and the
// main window's own place. Windows are opened through their View menu
// commands, as a person opens them, so the module makes them as always.
class Workspace {
  public:
    explicit Workspace(MainFrame& frame) : m_frame(frame) {}

    // Opens the authoring windows that are closed and places all six as the
    // default layout puts them in the MDI area as it is now.
    void ApplyDefault();
    // Reopens the windows saved in the file, bottom of the stack first, with
    // their places, sizes and states, and gives the main window its saved
    // geometry. False when there is no such file, and false with a debugger
    // line when the file is damaged or not one of ours: nothing is changed
    // then.
    bool Restore(const QString& fileName);
    // Writes the main window's geometry and the open authoring windows, in
    // stacking order; a debugger line when the file cannot be written. A
    // maximised or minimised window is shown normally for a moment to learn
    // where it goes back to.
    void Save(const QString& fileName);

  private:
    // The window's View menu command; the frame, or null (with a debugger
    // line) when the command is missing or opened nothing.
    CMDIChildWnd* Open(const std::string& title);

    MainFrame& m_frame;
};
