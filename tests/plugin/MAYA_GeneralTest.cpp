#include "MAYA_General.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

// The host's own report of a status, to compose the expected output with.
std::string hostReport(const MStatus& status)
{
    CaptureStderr();
    status.perror("");
    return GetCapturedStderr();
}

TEST(McheckErr, SuccessWritesNothingAndSucceeds)
{
    CaptureStderr();
    const MStatus result = kavo::McheckErr(MStatus::kSuccess, "ERROR Test never shown\n");
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_EQ(result.statusCode(), MStatus::kSuccess);
}

TEST(McheckErr, FailureReportsAndReturnsTheGenericFailure)
{
    for (MStatus::MStatusCode code : {MStatus::kFailure, MStatus::kInvalidParameter, MStatus::kNotFound}) {
        const MStatus failed(code);
        const std::string host = hostReport(failed);
        ASSERT_FALSE(host.empty());

        CaptureStderr();
        const MStatus result = kavo::McheckErr(failed, "ERROR Test reading value.\n");
        EXPECT_EQ(GetCapturedStderr(), host + ",ERROR Test reading value.\n\n");
        EXPECT_EQ(result.statusCode(), MStatus::kFailure) << code;
    }

    // Without a newline of its own, the message still ends its line.
    const std::string expected = hostReport(MStatus::kFailure) + ",ERROR Test\n";
    CaptureStderr();
    kavo::McheckErr(MStatus::kFailure, MString("ERROR Test"));
    EXPECT_EQ(GetCapturedStderr(), expected);
}

MStatus countedStatus(int& evaluations, MStatus::MStatusCode code)
{
    ++evaluations;
    return code;
}

TEST(LocatedStatusCheck, NamesFileAndLineAndCarriesOn)
{
    const MStatus failed(MStatus::kInvalidParameter);
    bool carriedOn = false;

    const std::string host = hostReport(failed);
    CaptureStderr();
    const int line = __LINE__ + 1;
    KAVO_CHECK_MSTATUS(failed);
    carriedOn = true;
    const std::string output = GetCapturedStderr();

    // Relative to the repository root, however deep the build folder lies.
    EXPECT_EQ(output, "\nAPI error detected in tests/plugin/MAYA_GeneralTest.cpp at line " + std::to_string(line) +
                          "\n" + host);
    EXPECT_TRUE(carriedOn);
    EXPECT_EQ(failed.statusCode(), MStatus::kInvalidParameter);
}

TEST(LocatedStatusCheck, SilentOnSuccessAndEvaluatesItsArgumentOnce)
{
    int evaluations = 0;
    CaptureStderr();
    KAVO_CHECK_MSTATUS(countedStatus(evaluations, MStatus::kSuccess));
    EXPECT_EQ(GetCapturedStderr(), "");
    EXPECT_EQ(evaluations, 1);

    CaptureStderr();
    KAVO_CHECK_MSTATUS(countedStatus(evaluations, MStatus::kFailure));
    GetCapturedStderr();
    EXPECT_EQ(evaluations, 2);
}

} // namespace
