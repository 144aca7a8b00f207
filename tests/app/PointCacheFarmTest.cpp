// Point caches and farm splits: the tasks of a job each write their share of
// a per-frame geometry cache and the same description, together what one
// run writes; caches that keep the range in one file are refused with
// --task, and the cache options are checked like the rest of the command
// line.

#include "app/AppTest.h"

#include <filesystem>

namespace kavo::test {
namespace {

class PointCacheFarmTest : public AppTest
{};

TEST_F(PointCacheFarmTest, TasksWriteTheirShareOfAPerFrameCacheAndTogetherWhatOneRunWrites)
{
    const std::vector<std::string> job = {"@sphere:6x4", "--frames", "1:5", "--cache-per-frame", "--quiet"};
    const std::vector<std::vector<std::string>> shares = {{"s.xml", "sFrame1.mcx", "sFrame2.mcx", "sFrame3.mcx"},
                                                          {"s.xml", "sFrame4.mcx", "sFrame5.mcx"}};
    expectTasksWriteWhatOneRunWrites(job, "s.xml", shares);
}

TEST_F(PointCacheFarmTest, CachesThatCannotBeWrittenAreRefusedBeforeAnythingIs)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"@plane", "-o", "a.xml", "--frames", "1:4", "--task", "1/2"}, "use --cache-per-frame"},
        {{"@plane", "-o", "a.pc2", "--frames", "1:4", "--task", "2/2"}, "(.xml with --cache-per-frame)"},
        {{"@plane", "-o", "a.#.mdd", "--frames", "1:4"}, "leave the # out of its name"},
        {{"@plane", "-o", "a.obj", "--cache-float"}, "are for .xml outputs"},
        {{"--input-cache", "c.pc2", "@plane", "-o", "a.obj"}, "follows no input"},
        {{"@plane", "--input-cache", "c.pc2", "--input-cache", "d.pc2", "-o", "a.obj"}, "two caches for one input"},
        {{"@plane", "-o", "a.xml", "--cache-format", "mcb"}, "--cache-format"},
        {{"@plane", "-o", "a.pc2", "--frames", "16777217:16777218"}, "cannot hold 16777217"},
        {{"@plane", "-o", "a.xml", "--frames", "8589935:8589936"}, "its frames must lie from -8589934 to 8589934"},
        {{"@plane:1000x1000", "-o", "big.xml", "--cache-format", "mcc", "--frames", "1:90"},
         "the data would pass the 2 GiB"},
    };
    for (const auto& [arguments, message] : refused) {
        const AppRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments[2] << ": " << result.err;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_TRUE(files().empty()) << arguments[2];
    }
}

} // namespace
} // namespace kavo::test
