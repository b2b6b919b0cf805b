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

TEST(BatchFile, ReadsOneCommandALineWithItsEcho) {
    BatchFile batch = BatchFile::Parse("first /a\r\n"
                                       "@second\n"
                                       "\r\n"
                                       "REM nothing\n"
                                       "@echo off\r\n"
                                       "\"tools\\my link.exe\" /out:\"a b\" \"lib\\x.lib\"");
    const auto& commands = batch.GetCommands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].program, "first");
    EXPECT_EQ(commands[0].echo, "first /a");
    EXPECT_EQ(commands[1].echo, "");
    EXPECT_EQ(commands[2].program, "tools\\my link.exe");
    EXPECT_EQ(commands[2].parameters, " /out:\"a b\" \"lib\\x.lib\"");
    EXPECT_EQ(commands[2].arguments, (Arguments{"/out:a b", "lib\\x.lib"}));
    EXPECT_EQ(commands[2].echo, "");
}

} // namespace
