#pragma once

// A test that runs kavo-deform in a scratch folder of its own.

#include "app/AppRun.h"
#include "app/ObjText.h"
#include "support/ScratchDirectory.h"

#include <gtest/gtest.h>

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

private:
    ScratchDirectory m_scratch;
};

} // namespace kavo::test
