#include "app/LaunchEnvironment.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
constexpr const char* kHugePages = "glibc.malloc.hugetlb";
// Set by the launcher: the user's GLIBC_TUNABLES, or "-" when there were none
// (a tunable never starts with '-').
constexpr const char* kUserTunables = "CORVANE_USER_GLIBC_TUNABLES";
constexpr const char* kNone = "-";

} // namespace

void LaunchEnvironment::Prepare() {
    const char* user = std::getenv(kTunables);
    setenv(kUserTunables, user ? user : kNone, 1);
    if (user && std::strstr(user, kHugePages))
        return;
    std::string tunables = user && *user ? std::string(user) + ":" : std::string();
    tunables += std::string(kHugePages) + "=1";
    setenv(kTunables, tunables.c_str(), 1);
}

void LaunchEnvironment::Restore() {
    const char* user = std::getenv(kUserTunables);
    if (!user)
        return;
    if (std::strcmp(user, kNone) == 0)
        unsetenv(kTunables);
    else
        setenv(kTunables, user, 1);
    unsetenv(kUserTunables);
}
