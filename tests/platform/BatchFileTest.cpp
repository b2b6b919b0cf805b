#include "platform/BatchFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

TEST(BatchFile, SplitsACommandLineAsTheMicrosoftRuntimeDoes) {
    const struct {
        const char* line;
        Arguments arguments;
    } cases[] = {
        {R"( /nologo  /out:"C:\My Apps\v.exe"	"lib\a.lib")",
         {"/nologo", R"(/out:C:\My Apps\v.exe)", R"(lib\a.lib)"}},
        {R"(/fo"obj\Viewer.res" /d "NDEBUG")", {R"(/foobj\Viewer.res)", "/d", "NDEBUG"}},
        {R"(a\\b "c\\" d)", {R"(a\\b)", "c\\", "d"}},
        {R"(\"quoted\" "in ""side""" "")", {R"("quoted")", R"(in "side")", ""}},
        {R"(x\\\"y "open ended)", {R"(x\"y)", "open ended"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BatchFile::SplitCommandLine(c.line), c.arguments) << c.line;
}

} // namespace
