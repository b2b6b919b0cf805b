// The program users start (build/app/corvane, PREFIX/bin/corvane): starts
// the authoring tool beside it, corvane-bin, with the same arguments in the
// environment LaunchEnvironment prepares.
#include "app/LaunchEnvironment.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

int main(int, char** argv) {
    constexpr char kName[] = "corvane-bin";
    char program[PATH_MAX];
    const ssize_t nLength = readlink("/proc/self/exe", program, sizeof(program) - 1);
    char* slash = nullptr;
    if (nLength > 0) {
        program[nLength] = '\0';
        slash = std::strrchr(program, '/');
    }
    if (!slash || static_cast<size_t>(slash + 1 - program) + sizeof(kName) > sizeof(program)) {
        std::fprintf(stderr, "corvane: unable to find the folder of this program\n");
        return 127;
    }
    std::memcpy(slash + 1, kName, sizeof(kName));
    LaunchEnvironment::Prepare();
    execv(program, argv);
    std::fprintf(stderr, "corvane: unable to start %s: %s\n", program, std::strerror(errno));
    return 127;
}
