#pragma once

// A test that runs kavo-deform in a scratch folder of its own.

#include "app/AppRun.h"
#include "app/ObjText.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kavo::test {

class AppTest : public ::testing::Test
{
protected:
    AppRun run(const std::vector<std::string>& arguments) { return runApp(arguments, folder()); }
    // Success, or a failure that shows what the run printed.
    ::testing::AssertionResult runs(const std::vector<std::string>& arguments)
    {
        const AppRun result = run(arguments);
        if (result.exitCode == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "exit " << result.exitCode << ": " << result.err;
    }

    std::string file(const std::string& name) const { return m_scratch.file(name); }
    std::string folder() const { return file(""); }
    ObjText obj(const std::string& name) const { return ObjText::read(file(name)); }
    std::vector<std::string> files() const { return filesIn(folder()); }

    // The job run once into whole/, then as shares.size() tasks, task k into
    // task<k>/, each writing output there: every task writes exactly the
    // files of its share, each the same bytes as the one run's.
    void expectTasksWriteWhatOneRunWrites(const std::vector<std::string>& job, const std::string& output,
                                          const std::vector<std::vector<std::string>>& shares)
    {
        std::filesystem::create_directory(file("whole"));
        std::vector<std::string> whole = job;
        whole.insert(whole.end(), {"-o", "whole/" + output});
        ASSERT_TRUE(runs(whole));
        const std::string count = std::to_string(shares.size());
        for (size_t k = 0; k < shares.size(); ++k) {
            const std::string folder = "task" + std::to_string(k + 1);
            std::filesystem::create_directory(file(folder));
            std::vector<std::string> task = job;
            task.insert(task.end(), {"-o", folder + "/" + output, "--task", std::to_string(k + 1) + "/" + count});
            ASSERT_TRUE(runs(task));
            EXPECT_EQ(filesIn(file(folder)), shares[k]) << folder;
            for (const std::string& name : filesIn(file(folder)))
                EXPECT_EQ(readText(file(folder + "/" + name)), readText(file("whole/" + name))) << name;
        }
    }

private:
    ScratchDirectory m_scratch;
};

} // namespace kavo::test
