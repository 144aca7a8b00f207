#include "graph/IdleQueue.h"
#include "graph/EvaluationManager.h"
#include "session/Host.h"

#include <maya/MGlobal.h>

#include <gtest/gtest.h>

namespace {

using kavo::host::graph::EvaluationManager;
using kavo::host::graph::IdleQueue;
using kavo::host::session::Host;

class IdleCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override { Host::resetScene(); }
    void TearDown() override { Host::resetScene(); }

    static unsigned int invalidations() { return EvaluationManager::instance().invalidations(); }
};

TEST_F(IdleCommandsTest, QueuedCommandsRunInOrderOnlyWhenTheQueueRuns)
{
    EXPECT_EQ(MGlobal::executeCommandOnIdle("noSuchCommand"), MStatus::kSuccess);
    EXPECT_EQ(MGlobal::executeCommandOnIdle("evaluationManager  -invalidate 1"), MStatus::kSuccess);
    EXPECT_EQ(IdleQueue::instance().pending(), 2u);
    EXPECT_EQ(invalidations(), 0u);

    testing::internal::CaptureStderr();
    EXPECT_EQ(Host::runIdleQueue(), 2u) << "a failing command holds up none after it";
    EXPECT_NE(testing::internal::GetCapturedStderr().find("// Error: unknown command: noSuchCommand"),
              std::string::npos);
    EXPECT_EQ(invalidations(), 1u);
    EXPECT_EQ(Host::runIdleQueue(), 0u);

    MGlobal::executeCommandOnIdle("evaluationManager -invalidate 1");
    Host::resetScene();
    EXPECT_EQ(Host::runIdleQueue(), 0u) << "a new scene drops what was queued";
}

TEST_F(IdleCommandsTest, TheInvalidationIsUnderstoodWithAnyBlankSpace)
{
    const char* spellings[] = {"evaluationManager -invalidate 1", "evaluationManager  -invalidate 1",
                               "\tevaluationManager\t-invalidate \t true \n", "evaluationManager -invalidate on;",
                               "evaluationManager -invalidate yes ; ;"};
    unsigned int expected = 0;
    for (const char* command : spellings) {
        EXPECT_EQ(MGlobal::executeCommand(command), MStatus::kSuccess) << command;
        EXPECT_EQ(invalidations(), ++expected) << command;
    }
    EXPECT_EQ(MGlobal::executeCommand("evaluationManager -invalidate off"), MStatus::kSuccess);
    EXPECT_EQ(invalidations(), expected);
}

TEST_F(IdleCommandsTest, WhatTheInterpreterDoesNotUnderstandFailsWithAMessage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"polyCube -w 2", "// Error: unknown command: polyCube -w 2"},
        {"evaluationManager -invalidate", "-invalidate needs a value"},
        {"evaluationManager -invalidate maybe", "-invalidate takes a boolean, not: maybe"},
        {"evaluationManager -mode parallel", "unknown flag: -mode"},
        {"evaluationManager-invalidate 1", "unknown command: evaluationManager-invalidate 1"},
        {"bogus; evaluationManager -invalidate 1", "unknown command: bogus"}};
    for (const auto& [command, words] : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(MGlobal::executeCommand(command), MStatus::kFailure) << command;
        EXPECT_NE(testing::internal::GetCapturedStderr().find(words), std::string::npos) << command;
    }
    EXPECT_EQ(invalidations(), 0u);
}

} // namespace
