// --threads caps the threads of the deform passes; the files written never
// depend on it.
#include "app/AppTest.h"

#include <gtest/gtest.h>

namespace kavo::test {
namespace {

using ThreadsOptionTest = AppTest;

TEST_F(ThreadsOptionTest, AnyNumberOfThreadsWritesTheSameFile)
{
    const std::vector<std::string> job = {"@plane:120x120", "--set", "fractalState=on", "--set", "iterations=3.5",
                                          "--quiet",        "-o"};
    auto withOutput = [&](const std::string& output, std::vector<std::string> extra) {
        std::vector<std::string> arguments = job;
        arguments.push_back(output);
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return arguments;
    };
    ASSERT_TRUE(runs(withOutput("every-core.obj", {})));
    ASSERT_TRUE(runs(withOutput("one.obj", {"--threads", "1"})));
    ASSERT_TRUE(runs(withOutput("three.obj", {"--threads", "3"})));
    const std::string everyCore = readText(file("every-core.obj"));
    EXPECT_EQ(readText(file("one.obj")), everyCore);
    EXPECT_EQ(readText(file("three.obj")), everyCore);
}

TEST_F(ThreadsOptionTest, NoThreadsOrNotANumberIsABadJob)
{
    for (const char* count : {"0", "-2", "many"}) {
        const AppRun result = run({"@plane:2x2", "-o", "out.obj", "--threads", count});
        EXPECT_EQ(result.exitCode, 2) << count;
        EXPECT_NE(result.err.find("--threads"), std::string::npos) << count << ": " << result.err;
    }
}

} // namespace
} // namespace kavo::test
