#pragma once

// The environment the launcher (launcher/main.cpp) starts the program in:
// glibc's allocator told to give start-up's large buffers huge pages, which
// halves the page faults of start-up (a third of its time on this machine's
// kind of virtual machine). glibc reads it only when a process starts, hence
// the launcher. The user's own setting wins, and the processes the program
// starts get the user's environment back.
class LaunchEnvironment {
  public:
    // In the launcher: adds the allocator's setting to the user's.
    static void Prepare();
    // First thing in the program: gives back the environment the user had.
    static void Restore();
};
