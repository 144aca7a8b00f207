#pragma once

#include <maya/MIOStream.h>
#include <maya/MTypes.h>

class MString;

// The outcome of a host call: success or one of the failure codes. Nothing in
// the host throws; every failure travels as one of these values.
class OPENMAYA_EXPORT MStatus
{
public:
    enum MStatusCode
    {
        kSuccess = 0,
        kFailure = 1,
        kInsufficientMemory = 2,
        kInvalidParameter = 3,
        kLicenseFailure = 4,
        kUnknownParameter = 5,
        kNotImplemented = 6,
        kNotFound = 7,
        kEndOfFile = 8
    };

    MStatus() : MStatus(kSuccess) {}
    MStatus(MStatusCode code)
        : m_statusCode(static_cast<unsigned char>(code))
        , m_internalStatusCode(kNoInternalStatus)
        , m_succeeded(code == kSuccess)
    {
    }
    MStatus(const MStatus& other) = default;
    MStatus& operator=(const MStatus& other) = default;

    // Comparisons look at the status code only.
    bool operator==(const MStatus& other) const { return m_statusCode == other.m_statusCode; }
    bool operator==(const MStatusCode code) const { return statusCode() == code; }
    bool operator!=(const MStatus& other) const { return !(*this == other); }
    bool operator!=(const MStatusCode code) const { return !(*this == code); }
    friend OPENMAYA_EXPORT bool operator==(const MStatus::MStatusCode code, const MStatus& status);
    friend OPENMAYA_EXPORT bool operator!=(const MStatus::MStatusCode code, const MStatus& status);

    // True when there is no error.
    operator bool() const { return m_succeeded; }
    bool error() const { return !m_succeeded; }
    void clear() { *this = MStatus(); }
    MStatusCode statusCode() const { return static_cast<MStatusCode>(m_statusCode); }

    // "(kInvalidParameter): Invalid parameter" and the like.
    MString errorString() const;

    // Writes "prefix: description" and a newline to standard error, or just
    // the description when the prefix is empty.
    void perror(const char* prefix) const;
    void perror(const MString& prefix) const;

private:
    // The host reports no finer cause than the code itself.
    static constexpr unsigned char kNoInternalStatus = 0xff;

    unsigned char m_statusCode;
    unsigned char m_internalStatusCode;
    bool m_succeeded;
};

#ifndef MNoMSTypedef
typedef MStatus MS;
#endif

// True when the status is a failure.
#define MFAIL(status) (MStatus::kSuccess != (status))

// Writes where a failed status was checked, then the status's description.
#define MSTATUS_REPORT_LOCATED_(checkedStatus)                                                                         \
    std::cerr << "\nAPI error detected in " << __FILE__ << " at line " << __LINE__ << std::endl;                       \
    (checkedStatus).perror("")

// Reports a failed status with the file and line of the check.
#define CHECK_MSTATUS(status)                                                                                          \
    do {                                                                                                               \
        MStatus checkedStatus_ = (status);                                                                             \
        if (MStatus::kSuccess != checkedStatus_) {                                                                     \
            MSTATUS_REPORT_LOCATED_(checkedStatus_);                                                                   \
        }                                                                                                              \
    } while (false)

// Reports a failed status and returns retVal from the calling function.
#define CHECK_MSTATUS_AND_RETURN(status, retVal)                                                                       \
    do {                                                                                                               \
        MStatus checkedStatus_ = (status);                                                                             \
        if (MStatus::kSuccess != checkedStatus_) {                                                                     \
            MSTATUS_REPORT_LOCATED_(checkedStatus_);                                                                   \
            return (retVal);                                                                                           \
        }                                                                                                              \
    } while (false)

// Reports a failed status and returns it from the calling function.
#define CHECK_MSTATUS_AND_RETURN_IT(status)                                                                            \
    do {                                                                                                               \
        MStatus checkedStatus_ = (status);                                                                             \
        if (MStatus::kSuccess != checkedStatus_) {                                                                     \
            MSTATUS_REPORT_LOCATED_(checkedStatus_);                                                                   \
            return checkedStatus_;                                                                                     \
        }                                                                                                              \
    } while (false)
