#include <maya/MStatus.h>
#include <maya/MString.h>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

namespace {

// Collects what is written to std::cerr while it lives.
class CerrCapture
{
public:
    CerrCapture() : m_previous(std::cerr.rdbuf(m_buffer.rdbuf())) {}
    ~CerrCapture() { std::cerr.rdbuf(m_previous); }
    std::string text() const { return m_buffer.str(); }

private:
    std::ostringstream m_buffer;
    std::streambuf* m_previous;
};

TEST(MStatus, CodesAndComparisons)
{
    EXPECT_EQ(MStatus::kEndOfFile, 8);
    MStatus status;
    EXPECT_TRUE(status);
    EXPECT_FALSE(status.error());
    EXPECT_EQ(status, MStatus::kSuccess);

    status = MStatus::kInvalidParameter;
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.error());
    EXPECT_EQ(status.statusCode(), MStatus::kInvalidParameter);
    EXPECT_TRUE(MStatus::kInvalidParameter == status);
    EXPECT_TRUE(MStatus::kFailure != status);
    EXPECT_TRUE(MFAIL(status));
    EXPECT_FALSE(MFAIL(MS::kSuccess));

    status.clear();
    EXPECT_EQ(status, MStatus(MStatus::kSuccess));
}

TEST(MStatus, PerrorWritesPrefixAndDescription)
{
    const MStatus status(MStatus::kInvalidParameter);
    EXPECT_STREQ(status.errorString().asChar(), "(kInvalidParameter): Invalid parameter");
    {
        CerrCapture capture;
        status.perror("setting scale");
        EXPECT_EQ(capture.text(), "setting scale: (kInvalidParameter): Invalid parameter\n");
    }
    {
        CerrCapture capture;
        status.perror("");
        MStatus(MStatus::kFailure).perror(MString());
        EXPECT_EQ(capture.text(), "(kInvalidParameter): Invalid parameter\n(kFailure): Failure\n");
    }
}

MStatus checkAndReturn(MStatus status, bool& reachedEnd)
{
    CHECK_MSTATUS_AND_RETURN_IT(status);
    reachedEnd = true;
    return MStatus::kSuccess;
}

int checkAndReturnValue(MStatus status)
{
    CHECK_MSTATUS_AND_RETURN(status, -1);
    return 1;
}

TEST(MStatus, CheckMacrosReportWithTheirLocation)
{
    CerrCapture capture;
    CHECK_MSTATUS(MStatus::kSuccess);
    EXPECT_EQ(capture.text(), "");

    CHECK_MSTATUS(MStatus::kNotFound);
    const std::string expected = "\nAPI error detected in tests/math/StatusTest.cpp at line " +
                                 std::to_string(__LINE__ - 2) + "\n(kNotFound): Object not found\n";
    EXPECT_EQ(capture.text(), expected);

    bool reachedEnd = false;
    EXPECT_EQ(checkAndReturn(MStatus::kEndOfFile, reachedEnd), MStatus::kEndOfFile);
    EXPECT_FALSE(reachedEnd);
    EXPECT_EQ(checkAndReturn(MStatus::kSuccess, reachedEnd), MStatus::kSuccess);
    EXPECT_TRUE(reachedEnd);
    EXPECT_EQ(checkAndReturnValue(MStatus::kFailure), -1);
    EXPECT_EQ(checkAndReturnValue(MStatus::kSuccess), 1);
}

} // namespace
