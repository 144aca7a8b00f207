// --task: the tasks of a farm job each write their share of a range, and
// together exactly the files one run writes; a Slurm job array's tasks find
// their share in their environment.

#include "app/AppTest.h"

#include <cstdlib>
#include <filesystem>
#include <map>

namespace kavo::test {
namespace {

const char* const kSlurmVariables[] = {"SLURM_ARRAY_TASK_ID", "SLURM_ARRAY_TASK_MIN", "SLURM_ARRAY_TASK_COUNT"};

// The runs of a test see a job array task's variables only as the test sets
// them, even when the test itself runs on a cluster.
class FarmTasksTest : public AppTest
{
protected:
    void SetUp() override
    {
        for (const char* name : kSlurmVariables) {
            if (const char* value = std::getenv(name))
                m_saved[name] = value;
            unsetenv(name);
        }
    }
    void TearDown() override
    {
        for (const char* name : kSlurmVariables)
            unsetenv(name);
        for (const auto& [name, value] : m_saved)
            setenv(name.c_str(), value.c_str(), 1);
    }

private:
    std::map<std::string, std::string> m_saved;
};

TEST_F(FarmTasksTest, FourTasksWriteTheirSharesAndTogetherWhatOneRunWrites)
{
    const std::vector<std::string> job = {"@sphere:6x4", "--frames", "1:10", "--set", "phase=0.3", "--quiet"};
    const std::vector<std::vector<std::string>> shares = {{"s.01.obj", "s.02.obj", "s.03.obj"},
                                                          {"s.04.obj", "s.05.obj", "s.06.obj"},
                                                          {"s.07.obj", "s.08.obj"},
                                                          {"s.09.obj", "s.10.obj"}};
    expectTasksWriteWhatOneRunWrites(job, "s.##.obj", shares);
}

TEST_F(FarmTasksTest, ASlurmArrayTaskTakesItsShareFromTheEnvironment)
{
    setenv("SLURM_ARRAY_TASK_ID", "2", 1);
    setenv("SLURM_ARRAY_TASK_MIN", "0", 1);
    setenv("SLURM_ARRAY_TASK_COUNT", "3", 1);
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "p.#.obj", "--frames", "1:7", "--task", "slurm"}));
    EXPECT_EQ(files(), (std::vector<std::string>{"p.6.obj", "p.7.obj"}));
}

TEST_F(FarmTasksTest, ATaskBeyondTheFramesSucceedsDoingNothing)
{
    const AppRun result = run({"@plane:2x2", "-o", "p.#.obj", "--frames", "1:3", "--task", "4/8"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("task 4 of 8 has nothing to do: the range has only 3 frame(s)"), std::string::npos)
        << result.err;
    EXPECT_TRUE(files().empty());
}

TEST_F(FarmTasksTest, BadTasksAreUsageErrorsBeforeAnythingIsWritten)
{
    for (const char* task : {"5/4", "one/4", "slurm"}) {
        const AppRun result = run({"@plane:2x2", "-o", "p.#.obj", "--frames", "1:4", "--task", task});
        EXPECT_EQ(result.exitCode, 2) << task;
        EXPECT_NE(result.err.find(std::string(task) == "slurm" ? "SLURM_ARRAY_TASK_ID is not set" : "bad task"),
                  std::string::npos)
            << result.err;
        EXPECT_TRUE(files().empty()) << task;
    }
    // A surplus task refuses a bad job as the others do.
    const AppRun surplus = run({"@plane:2x2", "-o", "p.#.obj", "--frames", "1:3", "--task", "4/4", "--set", "x=1"});
    EXPECT_EQ(surplus.exitCode, 2) << surplus.err;
}

} // namespace
} // namespace kavo::test
