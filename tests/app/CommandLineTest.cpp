#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

CommandLine Parse(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv = {"corvane"};
    argv.insert(argv.end(), arguments);
    return CommandLine::Parse(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, ReadsOffscreenScriptAndProjectInAnyOrderAndNothingMeansAnOrdinaryRun) {
    CommandLine line = Parse({"sample.qmx", "--script", "tour.script", "--offscreen"});
    EXPECT_TRUE(line.bOffscreen);
    EXPECT_EQ(line.scriptPath.value_or(""), "tour.script");
    EXPECT_EQ(line.projectPath.value_or(""), "sample.qmx");
    CommandLine plain = Parse({});
    EXPECT_FALSE(plain.bOffscreen || plain.scriptPath || plain.projectPath);
}

TEST(CommandLine, RejectsWhatItCannotUse) {
    EXPECT_THROW(Parse({"--script"}), std::invalid_argument);
    EXPECT_THROW(Parse({"--script", "a", "--script", "b"}), std::invalid_argument);
    EXPECT_THROW(Parse({"--fullscreen"}), std::invalid_argument);
    EXPECT_THROW(Parse({"a.qmx", "b.qmx"}), std::invalid_argument);
}

} // namespace
