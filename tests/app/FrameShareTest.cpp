// Splitting a range among the tasks of a farm job: every frame in exactly
// one task, in order, shares as even as they can be; task numbers read from
// the command line or from a Slurm job array's environment.

#include "FrameShare.h"
#include "AppError.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace kavo::test {
namespace {

using app::AppError;
using app::FrameShare;

using Frames = std::vector<long long>;

FrameShare::Environment noVariables()
{
    return [](const char*) -> const char* { return nullptr; };
}

Frames share(const std::string& task, const Frames& frames)
{
    return FrameShare::parse(task, noVariables()).pick(frames);
}

Frames firstFrames(long long count)
{
    Frames frames(static_cast<size_t>(count));
    std::iota(frames.begin(), frames.end(), 1);
    return frames;
}

// The message of the usage error `parse` throws, or a note that it threw none.
std::string refusal(const std::string& task, const FrameShare::Environment& environment)
{
    try {
        FrameShare::parse(task, environment);
    } catch (const AppError& error) {
        return error.exitCode() == AppError::kUsageExitCode ? error.what() : "not a usage error";
    }
    return "accepted";
}

TEST(FrameShare, SharesAreConsecutiveRunsTheLargerFirst)
{
    EXPECT_EQ(share("1/4", firstFrames(12)), (Frames{1, 2, 3}));
    EXPECT_EQ(share("4/4", firstFrames(12)), (Frames{10, 11, 12}));
    EXPECT_EQ(share("2/4", firstFrames(10)), (Frames{4, 5, 6}));
    EXPECT_EQ(share("3/4", firstFrames(10)), (Frames{7, 8}));
    EXPECT_EQ(share("4/4", firstFrames(10)), (Frames{9, 10}));
    // A stepped or negative range shares its own frames, not their numbers.
    EXPECT_EQ(share("2/2", Frames{-5, -3, -1, 1, 3}), (Frames{1, 3}));
    EXPECT_EQ(share("1/1", Frames{7}), (Frames{7}));
}

TEST(FrameShare, EveryFrameFallsInExactlyOneTaskInOrder)
{
    for (long long count = 0; count <= 30; ++count) {
        const Frames frames = firstFrames(count);
        for (long long tasks = 1; tasks <= 35; ++tasks) {
            Frames joined;
            size_t smallest = frames.size();
            size_t largest = 0;
            for (long long task = 1; task <= tasks; ++task) {
                const Frames part = share(std::to_string(task) + "/" + std::to_string(tasks), frames);
                joined.insert(joined.end(), part.begin(), part.end());
                smallest = std::min(smallest, part.size());
                largest = std::max(largest, part.size());
            }
            EXPECT_EQ(joined, frames) << count << " frames, " << tasks << " tasks";
            EXPECT_LE(largest - smallest, 1u) << count << " frames, " << tasks << " tasks";
        }
    }
}

TEST(FrameShare, MoreTasksThanFramesLeavesTheLastTasksNothing)
{
    EXPECT_EQ(share("3/8", firstFrames(3)), (Frames{3}));
    EXPECT_TRUE(share("4/8", firstFrames(3)).empty());
    EXPECT_TRUE(share("8/8", firstFrames(3)).empty());
    EXPECT_TRUE(share("1000000000000/1000000000000", firstFrames(3)).empty());
}

TEST(FrameShare, BadTasksAreUsageErrorsThatSayWhy)
{
    const std::map<std::string, std::string> refusals = {
        {"0/4", "not one of 1 to 4"},
        {"5/4", "not one of 1 to 4"},
        {"-1/4", "not one of 1 to 4"},
        {"1/0", "at least one task"},
        {"1/-2", "at least one task"},
        {"two/4", "\"two\" is not a whole number"},
        {"1/4x", "\"4x\" is not"},
        {"1.5/4", "\"1.5\" is not"},
        {"3", "no /"},
        {"", "no /"},
        {"1/2/3", "\"2/3\" is not"},
        {"SLURM", "no /"},
    };
    for (const auto& [task, why] : refusals) {
        const std::string message = refusal(task, noVariables());
        EXPECT_NE(message.find(why), std::string::npos) << "--task \"" << task << "\": " << message;
    }
}

class SlurmShareTest : public ::testing::Test
{
protected:
    FrameShare::Environment environment() const
    {
        return [this](const char* name) -> const char* {
            const auto found = m_variables.find(name);
            return found == m_variables.end() ? nullptr : found->second.c_str();
        };
    }
    std::string task() const { return FrameShare::parse("slurm", environment()).describe(); }

    std::map<std::string, std::string> m_variables;
};

TEST_F(SlurmShareTest, ArraysNumberedFromZeroOrOneGiveTheSameTasks)
{
    m_variables = {{"SLURM_ARRAY_TASK_COUNT", "4"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_ID", "0"}};
    EXPECT_EQ(task(), "task 1 of 4");
    m_variables["SLURM_ARRAY_TASK_ID"] = "3";
    EXPECT_EQ(task(), "task 4 of 4");
    m_variables = {{"SLURM_ARRAY_TASK_COUNT", "4"}, {"SLURM_ARRAY_TASK_MIN", "1"}, {"SLURM_ARRAY_TASK_ID", "1"}};
    EXPECT_EQ(task(), "task 1 of 4");
    m_variables["SLURM_ARRAY_TASK_ID"] = "4";
    EXPECT_EQ(task(), "task 4 of 4");
    m_variables = {{"SLURM_ARRAY_TASK_COUNT", "3"}, {"SLURM_ARRAY_TASK_MIN", "100"}, {"SLURM_ARRAY_TASK_ID", "101"}};
    EXPECT_EQ(task(), "task 2 of 3");
}

TEST_F(SlurmShareTest, AMissingOrBadVariableIsNamed)
{
    const std::map<std::string, std::string> whole = {
        {"SLURM_ARRAY_TASK_COUNT", "4"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_ID", "2"}};
    for (const auto& [name, value] : whole) {
        m_variables = whole;
        m_variables.erase(name);
        EXPECT_NE(refusal("slurm", environment()).find(name + " is not set"), std::string::npos) << name;
        for (const char* bad : {"", "two", "-1", "1.0"}) {
            m_variables[name] = bad;
            EXPECT_NE(refusal("slurm", environment()).find(name + "=\"" + bad + "\""), std::string::npos)
                << name << "=" << bad;
        }
    }
}

TEST_F(SlurmShareTest, StepsOrGapsInTheArrayAreRefused)
{
    // --array=0-9:3 numbers its 4 tasks 0, 3, 6, 9.
    m_variables = {{"SLURM_ARRAY_TASK_COUNT", "4"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_ID", "6"}};
    EXPECT_NE(refusal("slurm", environment()).find("consecutive"), std::string::npos);
    m_variables["SLURM_ARRAY_TASK_COUNT"] = "0";
    m_variables["SLURM_ARRAY_TASK_ID"] = "0";
    EXPECT_NE(refusal("slurm", environment()).find("consecutive"), std::string::npos);
}

} // namespace
} // namespace kavo::test
