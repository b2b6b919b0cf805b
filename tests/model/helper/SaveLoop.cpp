// Opens a project once, then for every line read from its input starts a
// child process that saves the project to a file over and over, changing the
// first instance's "TranslateX" between "2" and "1" before each save, until
// it is killed. Prints "saving PID" once a child's first save is done and
// "gone" when the child has died. Forking spares the start-up of a process
// for every kill; the process is single-threaded, so the child may run on.
//   save_loop IN OUT
#include "model/ProjectModel.h"

#include "host/HasProperties.h"
#include "host/Instance.h"
#include "host/Project.h"
#include "host/TimeLine.h"

#include "framework/SharedObjects.h"
#include "platform/Automation.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

[[noreturn]] void SaveUntilKilled(Project& project, HasProperties& properties, const char* path) {
    for (int round = 0;; ++round) {
        properties.SetPropertyValue("TranslateX", round % 2 ? "1" : "2");
        if (!project.Save(Pointer<BaseObject>(), path))
            _exit(1);
        if (round == 0) {
            std::printf("saving %d\n", static_cast<int>(getpid()));
            std::fflush(stdout);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_loop IN OUT\n");
        return 2;
    }
    Automation::Instance().SetSessionMode(true);
    ProjectModel model;
    model.SetManualTiming(true);
    model.Publish(GetSharedObjects());
    auto project = GetSharedObjects()->GetObjectA("Project").As<Project>("Project");
    auto timeLine = GetSharedObjects()->GetObjectA("Time Line").As<TimeLine>("TimeLine");
    if (!project->Load(Pointer<BaseObject>(), argv[1]))
        return 1;
    InstanceList first = timeLine->GetInstances(1, 1, 1);
    if (first.empty())
        return 1;
    auto properties = first[0].As<HasProperties>("HasProperties");
    for (int c; (c = std::getchar()) != EOF;) {
        if (c != '\n')
            continue;
        pid_t child = fork();
        if (child == 0)
            SaveUntilKilled(*project, *properties, argv[2]);
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child)
            return 1;
        std::puts("gone");
        std::fflush(stdout);
    }
    model.Withdraw(GetSharedObjects());
    return 0;
}
