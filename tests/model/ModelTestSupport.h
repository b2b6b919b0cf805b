#pragma once

#include "model/ProjectModel.h"

#include "host/AllowsKeyFrames.h"
#include "host/CastList.h"
#include "host/CastMember.h"
#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/KeyFrame.h"
#include "host/Player.h"
#include "host/PlayerTimer.h"
#include "host/Project.h"
#include "host/TimeLine.h"

#include "framework/Debugger.h"
#include "framework/SharedObjects.h"
#include "platform/Automation.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A Qt application for the pieces that need one (fonts, timers).
void EnsureApplication();

// A fresh folder under the system's temporary folder, removed at the end.
class TemporaryFolder {
  public:
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // Writes a file and returns its path.
    std::filesystem::path Write(const std::string& name, const std::string& text) const;

  private:
    QTemporaryDir m_dir;
    std::filesystem::path m_path{m_dir.path().toStdString()};
};

std::string ReadFile(const std::filesystem::path& path);

// A model published in the process-wide registry, as the host publishes it,
// with its interfaces at hand.
class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A new instance of a registered class, set up as the Insert menu does.
    Pointer<Instance> NewInstance(const char* className, const Pointer<CastMember>& member);
    Pointer<CastMember> NewCastMember(const char* className,
                                      const std::string& file = std::string());
    // Creates the instance, places it and applies the current frame.
    Pointer<Instance> Place(const char* className, const Pointer<CastMember>& member, int row,
                            int start, int stop);
    static std::string Get(const Pointer<Instance>& instance, const char* name);
    static bool Set(const Pointer<Instance>& instance, const char* name, const std::string& value);
    static double Number(const Pointer<Instance>& instance, const char* name);

    ProjectModel m_model;
    Pointer<Player> m_pPlayer;
    Pointer<PlayerTimer> m_pTimer;
    Pointer<TimeLine> m_pTimeLine;
    Pointer<Project> m_pProject;
    Pointer<CastList> m_pCastList;
};

// A model with the media plug-in library loaded and a Qt application, for
// tests that load media from the files they write into m_folder.
class MediaModelTest : public ModelTest {
  protected:
    void SetUp() override;

    TemporaryFolder m_folder;
};
