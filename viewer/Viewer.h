#pragma once

#include "viewer/ViewerOptions.h"

#include <string>

class ProjectModel;
struct ViewerSettings;

// The viewer program that Generate EXE makes: it plays the project attached
// to it as resources, from frame 1 at the project's frame rate, with its
// frame scripts, in a window showing the project's camera view. Everything it
// needs lies beside it: the runtime libraries, "platform.cfg" and the
// viewer-capable plug-ins in "Plugins", so the folder can be copied anywhere.
// Needs a QApplication.
class Viewer {
  public:
    explicit Viewer(ViewerOptions options) : m_options(std::move(options)) {}

    // The exit status: 0 once the project has played, 1 when it cannot play
    // (the person is told why).
    int Run();

  private:
    int Play(ProjectModel& model, const ViewerSettings& settings, const std::string& project);
    void LoadPlugins();
    int Fail(const std::string& problem);

    ViewerOptions m_options;
};
