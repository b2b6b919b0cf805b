#include "app/LaunchEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::optional<std::string> Tunables() {
    const char* value = std::getenv("GLIBC_TUNABLES");
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void SetTunables(const std::optional<std::string>& value) {
    if (value)
        setenv("GLIBC_TUNABLES", value->c_str(), 1);
    else
        unsetenv("GLIBC_TUNABLES");
}

} // namespace

// The program sees the allocator's setting added to the user's, and the
// environment it passes on is the user's again.
TEST(LaunchEnvironment, AddsHugePagesToTheUsersTunablesAndGivesThemBack) {
    const std::optional<std::string> saved = Tunables();
    const struct {
        std::optional<std::string> user;
        std::string launched;
    } rows[] = {
        {std::nullopt, "glibc.malloc.hugetlb=1"},
        {"", "glibc.malloc.hugetlb=1"},
        {"glibc.malloc.check=3", "glibc.malloc.check=3:glibc.malloc.hugetlb=1"},
        {"glibc.malloc.hugetlb=0", "glibc.malloc.hugetlb=0"},
    };
    for (const auto& row : rows) {
        SetTunables(row.user);
        LaunchEnvironment::Prepare();
        EXPECT_EQ(Tunables(), row.launched) << row.launched;
        LaunchEnvironment::Restore();
        EXPECT_EQ(Tunables(), row.user) << row.launched;
        EXPECT_EQ(std::getenv("CORVANE_USER_GLIBC_TUNABLES"), nullptr);
        // Without the launcher nothing changes.
        LaunchEnvironment::Restore();
        EXPECT_EQ(Tunables(), row.user) << row.launched;
    }
    SetTunables(saved);
}
