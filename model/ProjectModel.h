#pragma once

#include "framework/Pointer.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class KeyFrame;

class SharedObjects;

// The project the author works on: project, player, playback timer, time line
// and cast list, created together by the host. (Contract between the host and
// the model; the implementation is the model's.)
class ProjectModel {
  public:
    ProjectModel();
    ~ProjectModel();
    ProjectModel(const ProjectModel&) = delete;
    ProjectModel& operator=(const ProjectModel&) = delete;

    // Publishes "Player", "Player Timer", "Time Line", "Project" and
    // "Cast List"; Withdraw removes them again.
    void Publish(SharedObjects* registry);
    void Withdraw(SharedObjects* registry);

    // Called with (new frame, old frame) every time the current frame changes,
    // by playback, a script or SetCurrentFrame.
    void SetFrameChangeListener(std::function<void(int newFrame, int oldFrame)> listener);

    // In a scripted session the timer never fires by itself: playback advances
    // only through Tick, so that runs are repeatable.
    void SetManualTiming(bool manual);
    // One tick of the playback timer, playing or not: advance the frame, run
    // the frame scripts, announce the change.
    void Tick();

    // The state for a scripted session's dump: an object with "project"
    // (file, frame, playing), "instances" (id, row, class, cast, start, stop,
    // selected, properties, keyframes) and "cast" (name, class, file). The
    // selected key frame is the time line window's to know; the caller passes
    // it, or null.
    nlohmann::json DescribeState(const KeyFrame* selectedKeyFrame = nullptr) const;

    // The open project as the text of a .qmx file naming every medium in full,
    // so that it reads back the same from any folder.
    std::string Snapshot() const;
    // The numbers ("id" in DescribeState) of the time line's placements in
    // time line order, then the next number to give. A Snapshot does not hold
    // them; a state brought back with Restore gets them from here.
    std::vector<std::uint64_t> GetPlacementNumbers() const;
    // Puts the project of a Snapshot in place of the open one, with the
    // placement numbers taken with it: the file name and the current frame
    // stay, selections are cleared, cast members equal to open ones are kept
    // as they are (their media are not read again), and every window is
    // told to repaint. False when the text is not a sound project.
    bool Restore(const std::string& snapshot, const std::vector<std::uint64_t>& numbers);
    // Called after File New and after every Open that replaced the project.
    void SetReplaceListener(std::function<void()> listener);
    // Whether the project differs from what was last opened, saved or made
    // new; a project brought back by Recover counts as changed until saved.
    bool IsModified() const;
    // The project's file, empty when it has none.
    std::string GetFileName() const;
    // Opens a copy of a project kept outside its own file, as a changed
    // project with no file name. False, after telling the author why, when
    // the copy cannot be read.
    bool Recover(const std::string& path);

  private:
    struct Impl;
    Impl* m_pImpl;
};
