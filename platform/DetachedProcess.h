#pragma once

#include <string>
#include <vector>

// Programs started as one detached job in a working folder: the job belongs
// to no one (the caller neither waits for it nor keeps it as a child), and its
// steps run one after another, each once the one before has ended, whatever
// that one's result.
class DetachedProcess {
  public:
    struct Step {
        // A path with '/' (relative ones are relative to the folder); a bare
        // name is looked up in the folder, then along PATH.
        std::string program;
        std::vector<std::string> arguments;
        // Written to the job's standard output before the step runs, with a
        // line feed, unless empty.
        std::string echo;
    };

    // Hidden: the job has no display (Qt programs run on the "offscreen"
    // platform) and its standard output is discarded. Standard input is
    // always empty; standard error stays the caller's. False when the job
    // could not be started.
    static bool Start(const std::vector<Step>& steps, const std::string& folder, bool hidden);
};
