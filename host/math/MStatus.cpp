#include <maya/MStatus.h>
#include <maya/MString.h>

#include <iostream>

namespace {

// The host reports no finer cause than the code itself.
const unsigned char kNoInternalStatus = 0xff;

const char* describe(MStatus::MStatusCode code)
{
    switch (code) {
    case MStatus::kSuccess: return "(kSuccess): Success";
    case MStatus::kFailure: return "(kFailure): Failure";
    case MStatus::kInsufficientMemory: return "(kInsufficientMemory): Insufficient memory";
    case MStatus::kInvalidParameter: return "(kInvalidParameter): Invalid parameter";
    case MStatus::kLicenseFailure: return "(kLicenseFailure): License failure";
    case MStatus::kUnknownParameter: return "(kUnknownParameter): Unknown parameter";
    case MStatus::kNotImplemented: return "(kNotImplemented): Not implemented";
    case MStatus::kNotFound: return "(kNotFound): Object not found";
    case MStatus::kEndOfFile: return "(kEndOfFile): End of file";
    }
    return "(unknown status): Unknown status";
}

} // namespace

MStatus::MStatus()
    : m_statusCode(kSuccess), m_internalStatusCode(kNoInternalStatus), m_succeeded(true)
{
}

MStatus::MStatus(MStatusCode code)
    : m_statusCode(static_cast<unsigned char>(code)),
      m_internalStatusCode(kNoInternalStatus),
      m_succeeded(code == kSuccess)
{
}

MStatus::MStatus(const MStatus& other) = default;
MStatus& MStatus::operator=(const MStatus& other) = default;

bool MStatus::operator==(const MStatus& other) const { return m_statusCode == other.m_statusCode; }
bool MStatus::operator==(const MStatusCode code) const { return statusCode() == code; }
bool MStatus::operator!=(const MStatus& other) const { return !(*this == other); }
bool MStatus::operator!=(const MStatusCode code) const { return !(*this == code); }
bool operator==(const MStatus::MStatusCode code, const MStatus& status) { return status == code; }
bool operator!=(const MStatus::MStatusCode code, const MStatus& status) { return status != code; }

MStatus::operator bool() const { return m_succeeded; }
bool MStatus::error() const { return !m_succeeded; }

void MStatus::clear()
{
    *this = MStatus();
}

MStatus::MStatusCode MStatus::statusCode() const { return static_cast<MStatusCode>(m_statusCode); }

MString MStatus::errorString() const { return MString(describe(statusCode())); }

void MStatus::perror(const char* prefix) const
{
    if (prefix != nullptr && prefix[0] != '\0')
        std::cerr << prefix << ": ";
    std::cerr << describe(statusCode()) << std::endl;
}

void MStatus::perror(const MString& prefix) const { perror(prefix.asChar()); }
